// The skin framework on hand-made screens: layout values, building, the
// failure rules and the mouse handling of picture buttons.
#include <QLineEdit>
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "shell/globals.h"
#include "skin/layout_file.h"
#include "platform/error.h"
#include "skin/skin_screen.h"
#include "support/disc_builder.h"
#include "support/screen_test.h"

namespace {

class TestScreen : public SkinScreen {
  public:
    using SkinScreen::SkinScreen;
    void formCreate() override {
        SetSkinFolder("test");
        PlaceBackground(800, 600);
        FocusedButton = 0;
        BuildButtons(true);
    }
    std::vector<int> clicks;

  protected:
    void ButtonClick(int n) override { clicks.push_back(n); }
};
QPointer<TestScreen> frm_test;

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40;
}

class SkinTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        platform::setDrive('D', disc.root());
    }
    TestScreen* open() { return platform::createForm(frm_test, display.get()); }
    QColor shown(TestScreen* s, int n) {
        return DiscBuilder::centreColour(s->Button(n)->picture());
    }
    DiscBuilder disc{"skin"};
};

}  // namespace

TEST(LayoutValue, FieldsAreCharactersOneToThreeAndSixToEightAndBadOnesRaise) {
    for (auto [text, wantLeft, wantTop] : {std::tuple{"100, 250", 100, 250},
                                           {"100xy250 and more", 100, 250},
                                           {"045;;612", 45, 612},
                                           {"  7,   9", 7, 9}}) {
        int left = -1, top = -1;
        ParseButtonPosition(text, left, top);
        EXPECT_EQ(std::pair(left, top), std::pair(wantLeft, wantTop)) << text;
    }
    // A bad top keeps the left already read.
    int left = -1, top = -1;
    for (const char* bad : {"0", "12, 3", "1a0, 250"})
        EXPECT_THROW(ParseButtonPosition(bad, left, top), platform::PlatformError) << bad;
    EXPECT_THROW(ParseButtonPosition("100, 2b0", left, top), platform::PlatformError);
    EXPECT_EQ(left, 100);
    // A button number has at most two digits.
    EXPECT_EQ(ParseButtonsCount("99"), 99);
    EXPECT_THROW(ParseButtonsCount("100"), platform::PlatformError);
    EXPECT_THROW(ParseButtonsCount("$7FFFFFFF"), platform::PlatformError);
}

TEST_F(SkinTest, BuildsNamedButtonsAtTheirPlaces) {
    std::vector<std::string> values;
    for (int i = 1; i <= 12; ++i)
        values.push_back(
            QString("%1, %2").arg(i * 50, 3, 10, QChar('0')).arg(i * 40, 3).toStdString());
    disc.skin("test", 1, 800, 600, values);
    TestScreen* s = open();
    ASSERT_EQ(s->ButtonList.size(), 12u);
    for (int n = 1; n <= 12; ++n) {
        ImageButton* b = s->Button(n);
        ASSERT_NE(b, nullptr) << n;
        EXPECT_EQ(b->pos(), QPoint(n * 50, n * 40));
        EXPECT_EQ(b->size(), QSize(40, 20));
        EXPECT_TRUE(near(shown(s, n), DiscBuilder::up()));
    }
    EXPECT_TRUE(Errors().empty());
}

TEST_F(SkinTest, BuildingStopsAtTheFirstBadButton) {
    disc.skin("test", 1, 800, 600, {"010, 010", "060, 010", "110, 010", "160, 010"});
    // Button 3 has no key, button 4 would be fine.
    disc.write("graphic/test/1/test.ini",
               "[main]\nButtonsCount=4\n[BUTTONS]\nb1=010, 010\nb2=060, 010\nb4=160, 010\n");
    TestScreen* s = open();
    const std::string layout = platform::quotedPath("D:\\velk_quran\\graphic\\test\\1\\test.ini");
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0], "'' is not a valid integer value (layout file " + layout + ", key b3)");
    ASSERT_EQ(s->ButtonList.size(), 4u);
    EXPECT_NE(s->ButtonList[1], nullptr);
    EXPECT_EQ(s->ButtonList[2], nullptr);
    EXPECT_EQ(s->ButtonList[3], nullptr);
    EXPECT_EQ(s->Button(4), nullptr);
    s->ShowButtons();  // the empty slots are skipped
    EXPECT_FALSE(s->Button(2)->isHidden());
    s->closeForm();

    // A count no screen could number is refused before the list is sized.
    Errors().clear();
    disc.write("graphic/test/1/test.ini",
               "[main]\nButtonsCount=2000000000\n[BUTTONS]\nb1=010, 010\n");
    s = open();
    // The screen is left without a button: the same box says so, with the way out.
    EXPECT_EQ(Errors(),
              std::vector<std::string>{
                  "'2000000000' is not a valid button count (at most 99) (layout file " + layout +
                  ", key ButtonsCount)\nThis screen has no buttons (layout file " + layout +
                  "). Ctrl+Q ends the program."});
    EXPECT_TRUE(s->ButtonList.empty());
    EXPECT_EQ(s->Button(1), nullptr);
}

TEST_F(SkinTest, MissingPicturesAndFiles) {
    disc.skin("test", 1, 800, 600, {"010, 010", "060, 010", "110, 010"});
    disc.remove("graphic/test/1/buttons/up/02.jpg");
    TestScreen* s = open();
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("buttons\\up\\02.jpg"), std::string::npos) << Errors()[0];
    EXPECT_NE(s->ButtonList[0], nullptr);
    EXPECT_EQ(s->ButtonList[1], nullptr);
    s->closeForm();

    // No layout: no buttons, said once, naming the file, and the screen's
    // own set-up goes on. Escape, when the screen has a way back, takes it.
    Errors().clear();
    disc.remove("graphic/test/1/test.ini");
    const std::string layout = platform::quotedPath("D:\\velk_quran\\graphic\\test\\1\\test.ini");
    s = open();
    EXPECT_EQ(Errors(), std::vector<std::string>{"The layout file " + layout +
                                                 " does not exist: this screen has no buttons. "
                                                 "Ctrl+Q ends the program."});
    EXPECT_TRUE(s->ButtonList.empty());
    s->CloseButton = 2;
    s->showAsChild(display.get());
    Key(Qt::Key_Escape);
    EXPECT_EQ(s->clicks, std::vector<int>{2});
    s->closeForm();

    // A background that cannot be shown leaves a screen without buttons: the
    // box says that as well.
    for (const char* picture : {"", "not a picture at all"}) {
        Errors().clear();
        disc.write("graphic/test/1/test.jpg", picture);
        s = open();
        ASSERT_EQ(Errors().size(), 1u);
        EXPECT_NE(Errors()[0].find("test.jpg"), std::string::npos) << Errors()[0];
        EXPECT_NE(Errors()[0].find("\nThis screen has no buttons"), std::string::npos);
        EXPECT_TRUE(s->ButtonList.empty());
        s->closeForm();
    }
}

TEST_F(SkinTest, FocusPressReleaseAndReset) {
    disc.skin("test", 1, 800, 600, {"010, 010", "060, 010", "110, 010", "160, 010"});
    TestScreen* s = open();
    MouseMove(s->Button(3));
    EXPECT_EQ(s->FocusedButton, 3);
    EXPECT_TRUE(near(shown(s, 3), DiscBuilder::focus()));
    MouseMove(s->Button(4));
    EXPECT_TRUE(near(shown(s, 3), DiscBuilder::up()));
    EXPECT_TRUE(near(shown(s, 4), DiscBuilder::focus()));
    MouseMove(s->imgground1, {400, 400});
    EXPECT_EQ(s->FocusedButton, 0);
    EXPECT_TRUE(near(shown(s, 4), DiscBuilder::up()));

    MouseMove(s->Button(2));
    MouseDown(s->Button(2));
    EXPECT_TRUE(near(shown(s, 2), DiscBuilder::down()));
    EXPECT_TRUE(s->clicks.empty());
    MouseUp(s->Button(2));
    EXPECT_TRUE(near(shown(s, 2), DiscBuilder::focus()));
    EXPECT_EQ(s->clicks, std::vector<int>{2});

    // Onto a control that is not the background: the focus stays.
    auto* other = new QWidget(s);
    other->setGeometry(500, 500, 50, 50);
    other->show();
    MouseMove(other);
    EXPECT_EQ(s->FocusedButton, 2);
    EXPECT_TRUE(near(shown(s, 2), DiscBuilder::focus()));
}

TEST_F(SkinTest, AMissingFocusPictureKeepsThePreviousPicture) {
    disc.skin("test", 1, 800, 600, {"010, 010", "060, 010"});
    disc.remove("graphic/test/1/buttons/focus/02.jpg");
    TestScreen* s = open();
    MouseMove(s->Button(2));
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(near(shown(s, 2), DiscBuilder::up()));
    // Still usable: button 1 focuses normally.
    MouseMove(s->Button(1));
    EXPECT_EQ(s->FocusedButton, 1);
    EXPECT_TRUE(near(shown(s, 1), DiscBuilder::focus()));
}

TEST_F(SkinTest, DisabledButtonsIgnoreTheMouseAndTheKeys) {
    disc.skin("test", 1, 800, 600, {"300, 100", "100, 100", "300, 200"});
    TestScreen* s = open();
    s->showAsChild(display.get());
    s->CloseButton = 2;
    s->Button(2)->setEnabled(false);
    Click(s->Button(2));
    EXPECT_EQ(s->FocusedButton, 0);
    Key(Qt::Key_Down);  // nothing focused yet: the first button
    Key(Qt::Key_Left);  // only the disabled button 2 lies that way
    EXPECT_EQ(s->FocusedButton, 1);
    Key(Qt::Key_Return);
    Key(Qt::Key_Space);
    Key(Qt::Key_Escape);
    EXPECT_EQ(s->clicks, (std::vector<int>{1, 1}));
    s->Button(2)->setEnabled(true);
    Key(Qt::Key_Escape);
    EXPECT_EQ(s->clicks, (std::vector<int>{1, 1, 2}));
}

TEST_F(SkinTest, KeysReachTheScreenOnTopWhateverHasTheFocus) {
    disc.skin("test", 1, 800, 600, {"300, 100", "100, 100"});
    TestScreen* below = open();
    below->showAsChild(display.get());
    auto* field = new QLineEdit(below);  // a field of the screen below
    field->show();
    field->setFocus();
    QPointer<TestScreen> top;
    platform::createForm(top, display.get())->showModal();
    field->setFocus();
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(top->clicks, std::vector<int>{1});
    EXPECT_EQ(below->FocusedButton, 0);
    EXPECT_TRUE(below->clicks.empty());

    // A modal screen whose skin failed has no buttons; Escape still closes it.
    top->closeForm();
    disc.remove("graphic/test/1/test.jpg");
    platform::createForm(top, display.get())->showModal();
    ASSERT_TRUE(top->ButtonList.empty());
    top->CloseButton = 1;
    Key(Qt::Key_Escape);
    platform::processPendingEvents();
    EXPECT_FALSE(top);
    Key(Qt::Key_Escape);  // the child screen below has no close button
    EXPECT_FALSE(below->isClosed());
}
