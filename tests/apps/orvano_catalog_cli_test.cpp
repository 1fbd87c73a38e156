// orvano-catalog as its users run it: exit codes, messages and output of the built program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/scratch_folder.h"

namespace {

using orvano::test_support::ScratchFolder;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

class CatalogCli : public ::testing::Test {
 protected:
  // Arguments are passed in single quotes; the test's own paths hold none.
  Outcome Tool(const std::string& args, bool withTool = true) {
    const std::string tool = withTool ? std::string("'") + ORVANO_CATALOG_TOOL + "' " : "";
    const std::string command =
        tool + args + " >'" + io_.File("out") + "' 2>'" + io_.File("err") + "'";
    Outcome r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = io_.Read("out");
    r.err = io_.Read("err");
    return r;
  }
  static std::string Q(const std::string& s) { return "'" + s + "'"; }

  ScratchFolder io_;
  ScratchFolder work_;
};

constexpr const char* kCatalog =
    "[Marke]\r\n"
    "Etikett 1=Adressen;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n"
    "Etikett 2=;11;1;3;3;5;5;63,5;45;2,5;2\r\n"
    "[Andere]\r\n"
    "X=;9;0;1;1;0;0;210;297;0;0\r\n";

std::string Template(const std::string& part) {
  return "<Template brand=\"Zweckform\" part=\"" + part +
         "\" size=\"A4\" _description=\"Address Labels\"><Label-rectangle id=\"0\" "
         "width=\"70mm\" height=\"37mm\" round=\"0\"><Layout nx=\"3\" ny=\"8\" x0=\"0\" "
         "y0=\"0\" dx=\"70mm\" dy=\"37mm\"/></Label-rectangle></Template>";
}

TEST_F(CatalogCli, BadUsageExitsWithTwo) {
  EXPECT_EQ(Tool("").status, 2);
  const Outcome unknown = Tool("frobnicate");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("unknown command 'frobnicate'"), std::string::npos);
  EXPECT_EQ(Tool("show Marke").status, 2);
  EXPECT_EQ(Tool("list --bogus").status, 2);
  EXPECT_EQ(Tool("import-glabels").status, 2);
  EXPECT_EQ(Tool("import-glabels dir -o").status, 2);
  const Outcome help = Tool("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("import-glabels DIR [-o FILE]"), std::string::npos);
}

TEST_F(CatalogCli, CheckReportsLineNumbersAndExitsWithOne) {
  const std::string good = work_.Write("good.def", kCatalog);
  const Outcome ok = Tool("check " + Q(good));
  EXPECT_EQ(ok.status, 0) << ok.out << ok.err;
  EXPECT_NE(ok.out.find("3 labels in 2 sections, 0 problems"), std::string::npos);

  const std::string bad = work_.Write(
      "bad.def", "[M]\r\nA=;9;0;1;1;0;0;10;10;0;0\r\nB=;9;0;1\r\nC=;7;0;1;1;0;0;10;10;0;0\r\n");
  const Outcome found = Tool("check " + Q(bad));
  EXPECT_EQ(found.status, 1);
  EXPECT_NE(found.out.find(bad + ":3: record has 4 fields, expected 11"), std::string::npos);
  EXPECT_NE(found.out.find(bad + ":4: page format 7"), std::string::npos);

  const Outcome missing = Tool("check " + Q(work_.File("none.def")));
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
  EXPECT_EQ(Tool("check " + Q(work_.Path())).status, 2);  // a folder
}

// A FIFO, a device, a folder or a file above the library's limit is refused at once, with the
// file and the reason, by every command that reads a catalog; none of them blocks or reads it.
TEST_F(CatalogCli, RefusesWhatIsNoCatalogFileAndSaysWhy) {
  const std::string fifo = work_.File("fifo.def");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string huge = work_.Write("huge.def", "");
  ASSERT_EQ(truncate(huge.c_str(), (std::int64_t{64} << 20) + 1), 0);  // sparse: costs no disk
  const struct {
    std::string file, reason;
  } refused[] = {{fifo, "not a regular file"},
                 {"/dev/zero", "not a regular file"},
                 {huge, "larger than the limit of 64 MiB"}};
  for (const auto& r : refused) {
    // timeout: a regression must fail the test, not hang it
    for (const std::string& call :
         {"check " + Q(r.file), "list --catalog " + Q(r.file), "list Marke --catalog " + Q(r.file),
          "show Marke 'Etikett 1' --catalog " + Q(r.file)}) {
      const Outcome o = Tool("timeout 20 " + std::string(ORVANO_CATALOG_TOOL) + " " + call, false);
      EXPECT_EQ(o.status, 2) << call;
      EXPECT_NE(o.err.find("cannot read " + r.file + ": " + r.reason), std::string::npos)
          << call << ": " << o.err;
      EXPECT_EQ(o.out, "") << call;
    }
  }
}

TEST_F(CatalogCli, ImportWritesTheCatalogAndReportsSkips) {
  work_.Write("z-templates.xml", "<Glabels-templates>" + Template("3474") + Template("10") +
                                     Template("9") +
                                     "<Template brand=\"Zweckform\" part=\"L\" size=\"US-Letter\"/>"
                                     "</Glabels-templates>");
  const std::string out = io_.File("cat.def");
  const Outcome r = Tool("import-glabels " + Q(work_.Path()) + " -o " + Q(out));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("imported 3 products of 1 brands"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("1  paper size is not A4 or A5"), std::string::npos) << r.err;
  const std::string bytes = io_.Read("cat.def");
  EXPECT_NE(bytes.find("[Zweckform]\r\n9=Address Labels;9;0;3;8;0;0;70;37;0;0\r\n10="),
            std::string::npos);
  EXPECT_LT(bytes.find("\r\n10="), bytes.find("\r\n3474="));
  EXPECT_EQ(Tool("check " + Q(out)).status, 0);
}

TEST_F(CatalogCli, ImportProblemsAndUnreadableInput) {
  EXPECT_EQ(Tool("import-glabels " + Q(work_.File("absent"))).status, 2);
  // A malformed file costs its own products and turns the status to 1.
  work_.Write("a.xml", "<Glabels-templates>" + Template("1") + "</Glabels-templates>");
  work_.Write("b.xml", "<Glabels-templates><Template>");
  const Outcome r = Tool("import-glabels " + Q(work_.Path()));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("b.xml:1:"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("1=Address Labels;"), std::string::npos);  // standard output without -o
  EXPECT_EQ(Tool("import-glabels " + Q(work_.Path()) + " -o " + Q(work_.File("no/dir/x"))).status,
            2);
}

TEST_F(CatalogCli, ListsBrandsAndLabels) {
  const std::string catalog = work_.Write("c.def", kCatalog);
  const Outcome brands = Tool("list --catalog " + Q(catalog));
  EXPECT_EQ(brands.status, 0);
  EXPECT_EQ(brands.out, "Marke\nAndere\n");
  const Outcome labels = Tool("list marke --catalog " + Q(catalog));
  EXPECT_EQ(labels.status, 0);
  EXPECT_NE(labels.out.find("Etikett 1\t2 x 6\t88,9 x 46,56 mm\tAdressen\n"), std::string::npos);
  EXPECT_EQ(Tool("list Nobody --catalog " + Q(catalog)).status, 1);
  EXPECT_EQ(Tool("list --catalog " + Q(work_.File("none"))).status, 2);
}

// The LabelDef of an address label with the default layout on an 88.9 x 46.56 mm label.
TEST_F(CatalogCli, ShowsMeasurementsAndAddressFields) {
  const std::string catalog = work_.Write("c.def", kCatalog);
  const Outcome plain =
      Tool("show Marke 'Etikett 2' --catalog " + Q(catalog) + " --data-folder " + Q(work_.Path()));
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_NE(plain.out.find("\"pageFormat\": 11"), std::string::npos);
  EXPECT_NE(plain.out.find("\"landscape\": true"), std::string::npos);
  EXPECT_NE(plain.out.find("\"pageWidth\": 210"), std::string::npos);
  EXPECT_NE(plain.out.find("\"pageHeight\": 148.5"), std::string::npos);
  EXPECT_EQ(plain.out.find("\"fields\""), std::string::npos);

  const Outcome address = Tool("show Marke 'Etikett 1' --address --catalog " + Q(catalog) +
                               " --data-folder " + Q(work_.Path()));
  EXPECT_EQ(address.status, 0) << address.err;
  const std::string& o = address.out;
  EXPECT_NE(o.find("\"description\": \"Adressen\""), std::string::npos);
  EXPECT_NE(o.find("\"fieldName\": \"ReturnAddress\""), std::string::npos);
  EXPECT_NE(o.find("\"fieldWidth\": 84.9"), std::string::npos);
  EXPECT_NE(o.find("\"fieldHeight\": 7.43888"), std::string::npos);
  EXPECT_NE(o.find("\"fieldTop\": 8.43888"), std::string::npos);
  EXPECT_NE(o.find("\"fieldTop\": 13.36666"), std::string::npos);
  EXPECT_NE(o.find("\"fieldHeight\": 32.19333"), std::string::npos);

  EXPECT_EQ(Tool("show Marke Nichts --catalog " + Q(catalog)).status, 1);
}

TEST_F(CatalogCli, ShowUsesAStoredAddressLayout) {
  const std::string catalog = work_.Write("c.def", kCatalog);
  work_.Write("ovAdrKit.adr", "[Marke]\r\nEtikett 1=3;2;3;2;0;0;12;0; 0\r\n");
  const Outcome r =
      Tool("show Marke 'Etikett 1' --catalog " + Q(catalog) + " --data-folder " + Q(work_.Path()));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.find("ReturnAddress"), std::string::npos);
  EXPECT_EQ(r.out.find("LabelHeading"), std::string::npos);
  EXPECT_NE(r.out.find("\"fieldName\": \"Address\""), std::string::npos);
  EXPECT_NE(r.out.find("\"fontSize\": 12"), std::string::npos);
  EXPECT_NE(r.out.find("\"fieldHeight\": 42.56"), std::string::npos);  // 46.56 - 2 - 2
}

TEST_F(CatalogCli, FindsAcrossBrandsAndListsEquivalents) {
  const std::string catalog = work_.Write("c.def", kCatalog);
  work_.Write("ovAdrKit.usr",
              "[Benutzerdefiniert]\r\nEigen=;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n");
  const std::string from = " --catalog " + Q(catalog) + " --data-folder " + Q(work_.Path());
  const Outcome byText = Tool("find 'etikett 1'" + from);
  EXPECT_EQ(byText.status, 0) << byText.err;
  EXPECT_EQ(byText.out, "Marke\tEtikett 1\t2 x 6\t88,9 x 46,56 mm\tA4\tAdressen\n");
  const Outcome bySize =
      Tool("find --size 46.5x89 --tolerance 0,2 --per-sheet 12 --format a4" + from);
  EXPECT_EQ(bySize.status, 0) << bySize.err;
  EXPECT_EQ(bySize.out,
            "Marke\tEtikett 1\t2 x 6\t88,9 x 46,56 mm\tA4\tAdressen\n"
            "Benutzerdefiniert\tEigen\t2 x 6\t88,9 x 46,56 mm\tA4\t\n");
  const Outcome same = Tool("equivalents MARKE 'etikett 1'" + from);
  EXPECT_EQ(same.status, 0) << same.err;
  EXPECT_EQ(same.out, "Benutzerdefiniert\tEigen\t2 x 6\t88,9 x 46,56 mm\tA4\t\n");

  EXPECT_EQ(Tool("find Nichts" + from).status, 1);
  EXPECT_EQ(Tool("equivalents Marke 'Etikett 2'" + from).status, 1);
  EXPECT_EQ(Tool("equivalents Marke Nichts" + from).status, 1);
  for (const char* bad : {"find", "find --size 63.5", "find --per-sheet 2,5", "find --format B7",
                          "find x --tolerance 1", "equivalents Marke"})
    EXPECT_EQ(Tool(std::string(bad) + from).status, 2) << bad;
}

TEST_F(CatalogCli, ExportsAndImportsTheUsersLabels) {
  const std::string usr = "[Benutzerdefiniert]\r\nEigen=;9;0;2;6;12,29;8,8;88,9;46,56;7,62;0\r\n";
  work_.Write("ovAdrKit.usr", usr);
  ScratchFolder other;
  const std::string file = other.File("labels.txt");
  EXPECT_EQ(Tool("export -o " + Q(file) + " --data-folder " + Q(work_.Path())).status, 0);
  const Outcome added = Tool("import " + Q(file) + " --data-folder " + Q(other.Path()));
  EXPECT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.out, "added\tEigen\n");
  EXPECT_EQ(other.Read("ovAdrKit.usr"), usr);

  other.Write("ovAdrKit.usr", "[Benutzerdefiniert]\r\nEigen=;9;0;2;6;0;0;88,9;46,56;7,62;0\r\n");
  const Outcome kept = Tool("import " + Q(file) + " --data-folder " + Q(other.Path()));
  EXPECT_EQ(kept.status, 1);
  EXPECT_EQ(kept.out, "kept\tEigen\tstored with other measurements\n");
  EXPECT_EQ(Tool("import " + Q(file) + " --overwrite --data-folder " + Q(other.Path())).out,
            "replaced\tEigen\n");
  EXPECT_EQ(other.Read("ovAdrKit.usr"), usr);
  EXPECT_EQ(Tool("import " + Q(work_.File("ovAdrKit.usr"))).status, 2);  // not an export
}

}  // namespace
