#include <gtest/gtest.h>

#include "platform/controls/edits.h"
#include "platform/controls/form.h"

using namespace qb;

namespace {

struct EditForm : Form {
    EditForm() : Form("EditForm") {
        Such.onChange = [this] { ++changes; };
        Zeit.onChange = [this] { ++memoChanges; };
    }
    Edit Such{this, "SuchEdit"};
    MaskEdit Jahr{this, "JahrMaskEdit"};
    Memo Zeit{this, "ZeitMemo"};
    RichEdit Rich{this, "RichEdit1"};
    int changes = 0, memoChanges = 0;
};

}  // namespace

TEST(Edit, EveryRealChangeOfTheTextRunsOnChange) {
    EditForm f;
    f.Such.setText("Abba");
    f.Such.setText("Abba");
    f.Such.clear();
    EXPECT_EQ(f.changes, 2);
    f.Such.userEdited("Ab", 2);
    f.Such.userEdited("Ab", 1);  // only the caret moved
    EXPECT_EQ(f.changes, 3);
    EXPECT_EQ(f.Such.selStart(), 1);
    f.Such.setReadOnly(true);
    f.Such.userEdited("xyz", 3);
    EXPECT_EQ(f.Such.text(), "Ab");
}

TEST(Edit, SelectionCountsCharactersNotBytes) {
    EditForm f;
    f.Such.setText("Grüße aus Köln");
    f.Such.selectAll();
    EXPECT_EQ(f.Such.selLength(), 14);
    EXPECT_EQ(f.Such.selText(), "Grüße aus Köln");
    f.Such.setSelStart(2);
    f.Such.setSelLength(3);
    EXPECT_EQ(f.Such.selText(), "üße");
    f.Such.setSelText("ss");
    EXPECT_EQ(f.Such.text(), "Grss aus Köln");
    EXPECT_EQ(f.Such.selStart(), 4);
    f.Such.setSelStart(100);
    EXPECT_EQ(f.Such.selStart(), 13);
    f.Such.setSelLength(5);
    EXPECT_EQ(f.Such.selLength(), 0);
}

TEST(Edit, MaxLengthLimitsTypingAtWholeCharacters) {
    EditForm f;
    f.Such.setMaxLength(3);
    f.Such.userEdited("äöüß", 4);
    EXPECT_EQ(f.Such.text(), "äöü");
    f.Such.setText("longer from code");  // code is not limited
    EXPECT_EQ(f.Such.text(), "longer from code");
}

TEST(MaskEdit, CompleteWhenEveryRequiredPlaceIsFilled) {
    struct Case {
        const char* mask;
        const char* text;
        bool complete;
    };
    const Case cases[] = {
        {"0000;1;_", "1999", true}, {"0000;1;_", "19_9", false}, {"0000;1;_", "199", false},
        {"0000;1;_", "19a9", false}, {"99;1;_", "", true},       {"99;1;_", "0", true},
        {"00:00;1;_", "12:30", true}, {"00:00;1;_", "12:3", false}, {"LL;1;_", "Ab", true},
        {"LL;1;_", "A1", false},      {"\\00;1;_", "05", true},   {"", "", true},
    };
    EditForm f;
    for (const auto& c : cases) {
        f.Jahr.setEditMask(c.mask);
        f.Jahr.setText(c.text);
        EXPECT_EQ(f.Jahr.complete(), c.complete) << c.mask << " " << c.text;
    }
}

TEST(Memo, LinesTextAndCaretLine) {
    EditForm f;
    f.Zeit.setText("00:10 Intro\r\n01:20 Strophe\r\n02:30 Refrain");
    EXPECT_EQ(f.Zeit.lineCount(), 3);
    EXPECT_EQ(f.Zeit.text(), "00:10 Intro\n01:20 Strophe\n02:30 Refrain");
    EXPECT_EQ(f.memoChanges, 1);
    struct Case {
        int caret, line;
    };
    for (const Case c : {Case{0, 0}, Case{11, 0}, Case{12, 1}, Case{25, 1}, Case{26, 2}, Case{99, 2}}) {
        f.Zeit.setSelStart(c.caret);
        EXPECT_EQ(f.Zeit.caretLine(), c.line) << c.caret;
    }
    f.Zeit.userEdited("a\nb\n", 4);
    EXPECT_EQ(f.Zeit.lines(), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(f.memoChanges, 2);
}

TEST(RichEdit, LineColoursMoveWithTheirLines) {
    EditForm f;
    f.Rich.setLines({"eins", "zwei", "drei"});
    f.Rich.setLineColor(1, clRed);
    f.Rich.insertLine(0, "null");
    EXPECT_EQ(f.Rich.lineColor(2), clRed);
    EXPECT_EQ(f.Rich.lineColor(1), clNone);
    f.Rich.deleteLine(0);
    f.Rich.deleteLine(0);
    EXPECT_EQ(f.Rich.lineColor(0), clRed);
    f.Rich.setLines({"neu"});  // a new text starts plain
    EXPECT_EQ(f.Rich.lineColor(0), clNone);
    EXPECT_EQ(f.Rich.lineColor(5), clNone);
}
