#include "desktop/accessibility_options.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "desktop/preferences.h"
#include "desktop/texts.h"
#include "platform/accessible.h"
#include "platform/forms.h"

namespace desktop {

namespace {

QString say(const char* english, const char* arabicText) {
    return arabic() ? QString::fromUtf8(arabicText) : QString::fromUtf8(english);
}

}  // namespace

AccessibilityPage::AccessibilityPage() {
    setLayoutDirection(direction());
    auto* layout = new QVBoxLayout(this);
    strongFocusMark = new QCheckBox(say("Strong focus mark", "علامة تركيز واضحة"));
    strongFocusMark->setObjectName("strongFocusMark");
    auto* note =
        new QLabel(say("A thick yellow and black frame around the button or field that "
                       "the keyboard reaches, besides the disc's own focus picture.",
                       "إطار أصفر وأسود سميك حول الزر أو الحقل الذي تبلغه لوحة المفاتيح، "
                       "إضافة إلى صورة التركيز التي في القرص."));
    note->setWordWrap(true);
    layout->addWidget(strongFocusMark);
    layout->addWidget(note);
    layout->addStretch(1);
}

QString AccessibilityPage::title() const {
    return say("Accessibility", "سهولة الوصول");
}

void AccessibilityPage::load(const Preferences& prefs) {
    strongFocusMark->setChecked(prefs.value(kStrongFocusMark, false).toBool());
}

void AccessibilityPage::store(Preferences& prefs) {
    prefs.setValue(kStrongFocusMark, strongFocusMark->isChecked());
    applyAccessibilityOptions(prefs);
}

void applyAccessibilityOptions(const Preferences& prefs) {
    const bool strong = prefs.value(kStrongFocusMark, false).toBool();
    platform::accessOptions().strongFocusMark = strong;
    if (!strong) platform::markStrongFocus(nullptr);
}

void followKeyboardFocus() {
    static bool following = false;
    if (following) return;
    following = true;
    // A screen that takes the focus itself marks its focused picture button.
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
        platform::markStrongFocus(now && !qobject_cast<platform::Form*>(now) ? now : nullptr);
    });
}

void installAccessibilityOptions(const Preferences& prefs) {
    applyAccessibilityOptions(prefs);
    static bool installed = false;
    if (installed) return;
    installed = true;
    registerPreferencesPage([] { return new AccessibilityPage(); });
    followKeyboardFocus();
}

}  // namespace desktop
