#include "desktop/texts.h"

#include <array>

#include "shell/globals.h"

namespace desktop {

namespace {

struct Pair {
    Text id;
    const char* english;
    const char* arabic;
};

// One row per text, in the order of the enumeration.
constexpr Pair kTexts[] = {
    {Text::FullScreen, "Full screen", "ملء الشاشة"},
    {Text::Preferences, "Preferences…", "التفضيلات…"},
    {Text::Keys, "Keys…", "المفاتيح…"},
    {Text::About, "About this Linux edition", "حول نسخة لينكس هذه"},
    {Text::Quit, "Quit", "خروج"},
    {Text::PreferencesTitle, "ZAFIREL preferences", "تفضيلات ZAFIREL"},
    {Text::GeneralPage, "General", "عام"},
    {Text::StartAtMenu, "Start at the main menu (without the opening video and logo)",
     "البدء بالقائمة الرئيسية (دون الفيديو الافتتاحي والشعار)"},
    {Text::StartWindowed, "Start in a window", "البدء في نافذة"},
    {Text::DiscFolder, "Disc folder:", "مجلد القرص:"},
    {Text::DiscAutomatic, "(found by itself)", "(يُعثر عليه تلقائياً)"},
    {Text::ChooseFolder, "Choose…", "اختيار…"},
    {Text::DiscFound, "This folder holds the disc (velk_quran).",
     "هذا المجلد يحوي القرص (velk_quran)."},
    {Text::DiscNotFound, "This folder holds no velk_quran folder: it is not a disc.",
     "هذا المجلد لا يحوي مجلد velk_quran: ليس قرصاً."},
    {Text::DiscNextStart, "The disc folder is used from the next start.",
     "يُستعمل مجلد القرص ابتداءً من التشغيل القادم."},
    {Text::Ok, "OK", "موافق"},
    {Text::Cancel, "Cancel", "إلغاء"},
    {Text::Close, "Close", "إغلاق"},
    {Text::KeysTitle, "Keys", "المفاتيح"},
    {Text::KeyColumn, "Key", "المفتاح"},
    {Text::WhatColumn, "What it does here", "ما يفعله هنا"},
    {Text::AboutTitle, "About this Linux edition", "حول نسخة لينكس هذه"},
    {Text::AboutText,
     "<p><b>ZAFIREL for Linux %1</b></p>"
     "<p>The disc's program rebuilt for Linux; it reads the same disc unchanged.</p>"
     "<p>Libraries: Qt %2 (LGPL 3), libmpv (LGPL 2.1 or later), libjpeg-turbo (IJG and BSD "
     "licences), iconv of the GNU C library (LGPL 2.1 or later).</p>"
     "<p>Sample disc texts: the Quran's text and translations from quran-json (CC BY-SA 4.0, "
     "from quranenc.com and tanzil.net) and the simple spelling from quran-validator (MIT, "
     "from QUL).</p>"
     "<p>Your files:<br>preferences: %3<br>settings and remarks (drive C): %4<br>"
     "printed PDF files: %5<br>disc: %6</p>",
     "<p><b>ZAFIREL لنظام لينكس %1</b></p>"
     "<p>برنامج القرص أعيد بناؤه للينكس؛ يقرأ القرص نفسه دون تغيير.</p>"
     "<p>المكتبات: Qt %2 (LGPL 3)، libmpv (LGPL 2.1 أو أحدث)، libjpeg-turbo (رخصتا IJG وBSD)، "
     "iconv من مكتبة GNU C (LGPL 2.1 أو أحدث).</p>"
     "<p>نصوص القرص التجريبي: نص القرآن وترجماته من quran-json (CC BY-SA 4.0، عن quranenc.com "
     "وtanzil.net) والرسم الإملائي من quran-validator (MIT، عن QUL).</p>"
     "<p>ملفاتك:<br>التفضيلات: %3<br>الإعدادات والملاحظات (القرص C): %4<br>"
     "ملفات PDF المطبوعة: %5<br>القرص: %6</p>"},
    {Text::PreferencesUnreadable,
     "The preferences file %1 cannot be read (%2). The program goes on with the default "
     "preferences; the file was kept as %3.",
     "تعذرت قراءة ملف التفضيلات %1 (%2). يستمر البرنامج بالتفضيلات الافتراضية؛ وحُفظ الملف "
     "باسم %3."},
    {Text::PreferencesUnwritable,
     "The preferences cannot be saved in %1 (%2). They stay as chosen until the program ends.",
     "تعذر حفظ التفضيلات في %1 (%2). تبقى كما اختيرت حتى ينتهي البرنامج."},
    {Text::SearchPage, "Search", "البحث"},
    {Text::ArabicAware, "Arabic-aware search", "البحث المراعي للعربية"},
    {Text::ArabicAwareNote,
     "Hamza and alef forms, ya and ta marbuta, diacritics and attached "
     "prefixes (و ف ب ك ل ال) do not matter",
     "لا فرق بين صور الهمزة والألف والياء والتاء المربوطة، وتُهمل "
     "الحركات والسوابق المتصلة (و ف ب ك ل ال)"},
    {Text::WholeWords, "Whole words only", "كلمات كاملة فقط"},
    {Text::DaggerAlef, "Words typed without a written-out alef (الرحمن finds الرحمان)",
     "كلمات تُكتب دون ألف ظاهرة (الرحمن يجد الرحمان)"},
    {Text::DaggerAlefNote,
     "The simple spelling writes some short alefs out (الرحمان, هاذا, السماوات). Applied only to "
     "a word the text never holds as typed, so that its own words stay apart (قل, قال).",
     "يكتب الرسم الإملائي بعض الألفات القصيرة ظاهرة (الرحمان، هاذا، السماوات). لا يُطبق إلا على "
     "كلمة لا يحويها النص كما كُتبت، فتبقى كلماته متميزة (قل، قال)."},
    {Text::SearchScopeWhole, "the whole Quran", "القرآن كله"},
    {Text::SearchScopeSura, "this sura (%1)", "هذه السورة (%1)"},
    {Text::SearchScopePages, "pages from … to …", "الصفحات من … إلى …"},
    {Text::SearchIn, "Search in", "البحث في"},
    {Text::PagesFrom, "From page:", "من الصفحة:"},
    {Text::PagesTo, "To page:", "إلى الصفحة:"},
};

}  // namespace

bool arabic() {
    return LanguageIndex == 1;
}

QString text(Text id, bool inArabic) {
    const Pair& p = kTexts[static_cast<int>(id)];
    return QString::fromUtf8(inArabic ? p.arabic : p.english);
}

QString text(Text id) {
    return text(id, arabic());
}

Qt::LayoutDirection direction() {
    return arabic() ? Qt::RightToLeft : Qt::LeftToRight;
}

}  // namespace desktop
