// The error box on screen: one box per message while it is open.
#include <QApplication>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "platform/forms.h"
#include "platform/guard.h"

namespace {

void CloseBoxes() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w)) box->close();
    platform::processPendingEvents();
}

int OpenBoxes() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(w) && w->isVisible()) ++n;
    return n;
}

TEST(ErrorBoxTest, ARepeatedMessageOpensNoSecondBoxWhileTheFirstIsOpen) {
    platform::ErrorBox::setRecording(false);
    for (int tick = 0; tick < 10; ++tick) platform::ErrorBox::show("Cannot open file \"a.jpg\".");
    platform::ErrorBox::show("Cannot open file \"b.jpg\".");
    EXPECT_EQ(OpenBoxes(), 2);
    CloseBoxes();
    EXPECT_EQ(OpenBoxes(), 0);
    platform::ErrorBox::show("Cannot open file \"a.jpg\".");
    EXPECT_EQ(OpenBoxes(), 1) << "once closed, the message can be shown again";
    CloseBoxes();
    platform::ErrorBox::setRecording(true);
}

}  // namespace
