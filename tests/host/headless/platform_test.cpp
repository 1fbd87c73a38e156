// Message boxes answer from the test's queue; the mouse pointer keeps its history.
#include <stdexcept>

#include "fixture.h"

namespace orvano::host::headless::test {
namespace {

constexpr int kQuestion = msgbox::kYesNo | msgbox::kQuestion | msgbox::kDefaultButton2;  // 292

TEST(MessageBoxes, AnEmptyQueueAnswersOkOrNoForAQuestion) {
  HeadlessPlatform p;
  EXPECT_EQ(p.MsgBox("Bitte einen Namen eingeben.", msgbox::kExclamation, "Etiketteneinstellungen"),
            msgbox::kOk);
  EXPECT_EQ(p.MsgBox("Überschreiben?", kQuestion, "Etiketteneinstellungen"), msgbox::kNo);
  ASSERT_EQ(p.Messages().size(), 2u);
  EXPECT_EQ(p.Messages()[1].text, "Überschreiben?");
  EXPECT_EQ(p.Messages()[1].flags, 292);
  EXPECT_EQ(p.Messages()[1].title, "Etiketteneinstellungen");
}

TEST(MessageBoxes, QueuedAnswersComeInOrder) {
  HeadlessPlatform p;
  p.QueueAnswer(msgbox::kYes);
  p.QueueAnswer(msgbox::kOk);
  EXPECT_EQ(p.MsgBox("Löschen?", kQuestion, "T"), msgbox::kYes);
  EXPECT_EQ(p.MsgBox("Fertig.", msgbox::kExclamation, "T"), msgbox::kOk);
  EXPECT_EQ(p.MsgBox("Löschen?", kQuestion, "T"), msgbox::kNo);
  p.ClearMessages();
  EXPECT_TRUE(p.Messages().empty());
}

TEST(MessageBoxes, AnAnswerTheBoxCannotGiveIsAMistakeOfTheTest) {
  HeadlessPlatform p;
  p.QueueAnswer(msgbox::kYes);
  // Not a platform error, so code that resumes errors cannot swallow it.
  EXPECT_THROW(p.MsgBox("Zu groß.", msgbox::kExclamation, "T"), std::logic_error);
}

TEST(Platform, PointerHistoryAndScreenMetrics) {
  HeadlessPlatform p(12, 10);
  p.SetMousePointer(MousePointer::Busy);
  p.SetMousePointer(MousePointer::Default);
  EXPECT_EQ(p.PointerHistory(),
            (std::vector<MousePointer>{MousePointer::Busy, MousePointer::Default}));
  EXPECT_EQ(p.TwipsPerPixelX(), 12);
  EXPECT_EQ(p.TwipsPerPixelY(), 10);
  EXPECT_EQ(RaisedKind([] { HeadlessPlatform bad(0, 15); }), kInvalidPropertyValue);
}

}  // namespace
}  // namespace orvano::host::headless::test
