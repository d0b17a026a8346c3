#include <gtest/gtest.h>

#include "platform/controls/buttons.h"
#include "platform/controls/containers.h"
#include "platform/controls/form.h"

using namespace qb;

namespace {

struct ButtonForm : Form {
    ButtonForm() : Form("ButtonForm") {}
    CheckBox Check{this, "Check", "Aktiv"};
    GroupBox Box1{this, "Box1"};
    RadioButton R1{&Box1, "R1", "Dateinamen"};
    RadioButton R2{&Box1, "R2", "ID3-Tag"};
    RadioButton R3{&Box1, "R3", "Drittens"};
    GroupBox Box2{this, "Box2"};
    RadioButton S1{&Box2, "S1"};
    SpeedButton A{this, "A"};
    SpeedButton B{this, "B"};
    Button Ja{this, "Ja", "&Ja"};
};

}  // namespace

TEST(CheckBox, SettingCheckedFromCodeRunsOnClickOncePerChange) {
    ButtonForm f;
    std::vector<bool> seen;
    f.Check.onClick = [&] { seen.push_back(f.Check.checked()); };
    f.Check.setChecked(true);
    f.Check.setChecked(true);  // no change, no click
    f.Check.setChecked(false);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    f.Check.click();  // the user toggles
    EXPECT_TRUE(f.Check.checked());
    EXPECT_EQ(seen.size(), 3u);
    f.Check.setEnabled(false);
    f.Check.click();
    EXPECT_TRUE(f.Check.checked());
}

TEST(CheckBox, GrayedOnlyWhenAllowed) {
    ButtonForm f;
    f.Check.setState(CheckState::Grayed);
    EXPECT_EQ(f.Check.state(), CheckState::Unchecked);
    f.Check.allowGrayed = true;
    f.Check.setState(CheckState::Grayed);
    EXPECT_EQ(f.Check.state(), CheckState::Grayed);
    f.Check.click();
    EXPECT_TRUE(f.Check.checked());
}

TEST(RadioButton, CheckingOneUnchecksItsSiblingsOnly) {
    ButtonForm f;
    std::vector<std::string> clicks;
    for (RadioButton* r : {&f.R1, &f.R2, &f.R3, &f.S1}) r->onClick = [&clicks, r] { clicks.push_back(r->name()); };
    f.S1.setChecked(true);
    f.R1.setChecked(true);
    f.R2.click();
    EXPECT_FALSE(f.R1.checked());
    EXPECT_TRUE(f.R2.checked());
    EXPECT_FALSE(f.R3.checked());
    EXPECT_TRUE(f.S1.checked());  // another parent
    // Only the button that became checked ran its handler; unchecking runs none.
    EXPECT_EQ(clicks, (std::vector<std::string>{"S1", "R1", "R2"}));
    f.R2.setChecked(false);
    EXPECT_EQ(clicks.size(), 3u);
}

TEST(SpeedButton, GroupedButtonsAreExclusiveAndStayDownUnlessAllUpIsAllowed) {
    ButtonForm f;
    f.A.setGroupIndex(1);
    f.B.setGroupIndex(1);
    f.A.click();
    EXPECT_TRUE(f.A.down());
    f.B.click();
    EXPECT_TRUE(f.B.down());
    EXPECT_FALSE(f.A.down());
    f.B.click();  // no all-up: stays down
    EXPECT_TRUE(f.B.down());
    f.B.setDown(false);
    EXPECT_TRUE(f.B.down());
    f.B.setAllowAllUp(true);
    f.B.click();
    EXPECT_FALSE(f.B.down());
    SpeedButton plain{&f, "plain"};
    plain.setDown(true);  // ungrouped buttons never stay down
    EXPECT_FALSE(plain.down());
}

TEST(Button, ClickGivesTheFormItsModalResultAfterTheHandler) {
    ButtonForm f;
    int seenResult = -1;
    f.Ja.setModalResult(mrYes);
    f.Ja.onClick = [&] { seenResult = f.modalResult(); };
    f.Ja.click();
    EXPECT_EQ(seenResult, mrNone);
    EXPECT_EQ(f.modalResult(), mrYes);
    f.setModalResult(mrNone);
    f.Box1.setEnabled(false);
    f.Ja.setEnabled(false);
    f.Ja.click();
    EXPECT_EQ(f.modalResult(), mrNone);
}
