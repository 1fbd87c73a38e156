// orvano-catalog as its users run it: exit codes, messages and output of the built program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace {

using orvano::test_support::ScratchFolder;

constexpr const char* kCatalog =
    "[Marke]\r\n"
    "Etikett 1=Adressen;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n"
    "Etikett 2=;11;1;3;3;5;5;63,5;45;2,5;2\r\n"
    "[Andere]\r\n"
    "X=;9;0;1;1;0;0;210;297;0;0\r\n";
constexpr const char* kUsr =
    "[Benutzerdefiniert]\r\nEigen=;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n";

std::string Template(const std::string& part) {
  return "<Template brand=\"Zweckform\" part=\"" + part +
         "\" size=\"A4\" _description=\"Address Labels\"><Label-rectangle id=\"0\" "
         "width=\"70mm\" height=\"37mm\" round=\"0\"><Layout nx=\"3\" ny=\"8\" x0=\"0\" "
         "y0=\"0\" dx=\"70mm\" dy=\"37mm\"/></Label-rectangle></Template>";
}
std::string Q(const std::string& s) { return "'" + s + "'"; }

// Expected output: a fragment it holds, "=text" all of it.
void ExpectText(const std::string& text, const std::string& want) {
  if (want.empty()) return;
  if (want[0] == '=')
    EXPECT_EQ(text, want.substr(1));
  else
    EXPECT_NE(text.find(want), std::string::npos) << text;
}

TEST(CatalogCli, CommandsExitWithTheirStatusAndSayWhatTheyDid) {
  ScratchFolder io, work, templates, broken, fresh, differing;
  const std::string cat = Q(work.Write("c.def", kCatalog));
  const std::string bad = work.Write(
      "bad.def", "[M]\r\nA=;9;0;1;1;0;0;10;10;0;0\r\nB=;9;0;1\r\nC=;7;0;1;1;0;0;10;10;0;0\r\n");
  work.Write("ovAdrKit.usr", kUsr);
  templates.Write("z-templates.xml",
                  "<Glabels-templates>" + Template("3474") + Template("10") + Template("9") +
                      "<Template brand=\"Zweckform\" part=\"L\" size=\"US-Letter\"/>"
                      "</Glabels-templates>");
  broken.Write("a.xml", "<Glabels-templates>" + Template("1") + "</Glabels-templates>");
  broken.Write("b.xml", "<Glabels-templates>\n<Template>");  // costs its own products only
  differing.Write("ovAdrKit.usr",
                  "[Benutzerdefiniert]\r\nEigen=;9;0;2;6;0;0;88,9;46,56;7,62;0\r\n");
  const std::string from = " --catalog " + cat + " --data-folder " + Q(work.Path());
  const std::string imported = Q(io.File("cat.def")), exported = Q(io.File("labels.txt"));
  struct Row {
    std::string args;
    int status;
    std::vector<std::string> out = {};
    std::string err = {};
  };
  std::vector<Row> rows = {
      {"frobnicate", 2, {}, "unknown command 'frobnicate'"},
      {"check " + cat, 0, {"3 labels in 2 sections, 0 problems"}},
      {"check " + Q(bad), 1, {bad + ":3: record has 4 fields, expected 11"}},
      {"import-glabels " + Q(templates.Path()) + " -o " + imported,
       0,
       {},
       "imported 3 products of 1 brands"},
      {"import-glabels " + Q(broken.Path()), 1, {"1=Address Labels;"}, "b.xml:2:"},
      {"import-glabels " + Q(broken.Path()) + " -o " + Q(work.File("no/dir/x")), 2},
      {"list --catalog " + cat, 0, {"=Marke\nAndere\n"}},
      {"list marke --catalog " + cat, 0, {"Etikett 1\t2 x 6\t88,9 x 46,56 mm\tAdressen\n"}},
      {"list Nobody --catalog " + cat, 1},
      // An address label with the default layout on an 88.9 x 46.56 mm label.
      {"show Marke 'Etikett 1' --address" + from,
       0,
       {"\"description\": \"Adressen\"", "\"fieldName\": \"ReturnAddress\"",
        "\"fieldTop\": 13.36666"}},
      {"find 'etikett 1'" + from, 0, {"=Marke\tEtikett 1\t2 x 6\t88,9 x 46,56 mm\tA4\tAdressen\n"}},
      {"find --size 46.5x89 --tolerance 0,2 --per-sheet 12 --format a4" + from,
       0,
       {"=Marke\tEtikett 1\t2 x 6\t88,9 x 46,56 mm\tA4\tAdressen\n"
        "Benutzerdefiniert\tEigen\t2 x 6\t88,9 x 46,56 mm\tA4\t\n"}},
      {"equivalents MARKE 'etikett 1'" + from,
       0,
       {"=Benutzerdefiniert\tEigen\t2 x 6\t88,9 x 46,56 mm\tA4\t\n"}},
      {"find --per-sheet 2,5" + from, 2},
      {"export -o " + exported + " --data-folder " + Q(work.Path()), 0},
      {"import " + exported + " --data-folder " + Q(fresh.Path()), 0, {"=added\tEigen\n"}},
      {"import " + exported + " --data-folder " + Q(differing.Path()),
       1,
       {"=kept\tEigen\tstored with other measurements\n"}},
      {"import " + exported + " --overwrite --data-folder " + Q(differing.Path()),
       0,
       {"=replaced\tEigen\n"}},
      {"import " + Q(work.File("ovAdrKit.usr")), 2},  // not an export
  };
  // A FIFO, a device, a folder or a file above the library's limit is refused at once, with the
  // file and the reason, by every command that reads a catalog; none of them blocks or reads it.
  const std::string fifo = work.File("fifo.def");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string huge = work.Write("huge.def", "");
  ASSERT_EQ(truncate(huge.c_str(), (std::int64_t{64} << 20) + 1), 0);  // sparse: costs no disk
  for (const auto& [file, reason] :
       {std::pair<std::string, std::string>{fifo, "not a regular file"},
        {huge, "larger than the limit of 64 MiB"}}) {
    for (const char* call : {"check ", "list --catalog ", "list Marke --catalog ",
                             "show Marke 'Etikett 1' --catalog "})
      rows.push_back({call + Q(file), 2, {"="}, "cannot read " + file + ": " + reason});
  }

  for (const Row& row : rows) {
    SCOPED_TRACE(row.args);
    // timeout: a regression must fail the test, not hang it
    const std::string command = std::string("timeout 20 '") + ORVANO_CATALOG_TOOL + "' " +
                                row.args + " >'" + io.File("out") + "' 2>'" + io.File("err") + "'";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, row.status) << io.Read("err");
    for (const std::string& out : row.out) ExpectText(io.Read("out"), out);
    ExpectText(io.Read("err"), row.err);
  }
  const std::string bytes = io.Read("cat.def");
  EXPECT_NE(bytes.find("[Zweckform]\r\n9=Address Labels;9;0;3;8;0;0;70;37;0;0\r\n10="),
            std::string::npos);
  EXPECT_EQ(fresh.Read("ovAdrKit.usr"), kUsr);
  EXPECT_EQ(differing.Read("ovAdrKit.usr"), kUsr);
}

}  // namespace
