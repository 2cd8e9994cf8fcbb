#include "desktop/key_table.h"

#include <QKeySequence>
#include <QObject>
#include <algorithm>

namespace desktop {

namespace {

constexpr auto None = Qt::NoModifier;
constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto Shift = Qt::ShiftModifier;

QKeyCombination K(Qt::Key key, Qt::KeyboardModifiers modifiers = None) {
    return QKeyCombination(modifiers, key);
}

using A = ProgramAction;

const char* const kReaders[] = {"Tfrm_quran", "Tfrm_tafseer"};

}  // namespace

const std::vector<KeyRow>& keyTable() {
    static const std::vector<KeyRow> table = {
        // The program's own keys, on every screen.
        {{K(Qt::Key_F11)},
         {},
         false,
         A::FullScreen,
         "full screen or window",
         "ملء الشاشة أو نافذة"},
        {{K(Qt::Key_Comma, Ctrl)}, {}, false, A::Preferences, "the preferences", "التفضيلات"},
        {{K(Qt::Key_F1)}, {}, false, A::Keys, "this list of keys", "قائمة المفاتيح هذه"},
        {{K(Qt::Key_F7)},
         {},
         false,
         A::PrayerTimes,
         "the prayer times (once a place is set)",
         "مواقيت الصلاة (بعد تحديد المكان)"},
        {{K(Qt::Key_F10, Shift), K(Qt::Key_Menu)},
         {},
         false,
         A::Menu,
         "the program's menu (also a right click)",
         "قائمة البرنامج (وكذلك النقر بالزر الأيمن)"},
        {{K(Qt::Key_Q, Ctrl)},
         {},
         false,
         A::None,
         "ends the program (the Quran reader keeps its reading position first)",
         "إنهاء البرنامج (يحفظ قارئ القرآن موضع القراءة أولاً)"},
        {{K(Qt::Key_Plus), K(Qt::Key_Plus, Shift), K(Qt::Key_Equal)},
         {},
         false,
         A::VolumeUp,
         "louder by 10 % (every recording; kept for the next start)",
         "رفع الصوت 10 % (لكل تسجيل؛ ويُحفظ للمرة القادمة)"},
        {{K(Qt::Key_Minus)}, {}, false, A::VolumeDown, "softer by 10 %", "خفض الصوت 10 %"},
        {{K(Qt::Key_M)}, {}, false, A::Mute, "sound off or on", "كتم الصوت أو إعادته"},
        // The screens' keys.
        {{K(Qt::Key_P)},
         {"Tfrm_azan"},
         false,
         A::PrayerTimes,
         "the prayer times (once a place is set)",
         "مواقيت الصلاة (بعد تحديد المكان)"},
        {{K(Qt::Key_Escape), K(Qt::Key_Return), K(Qt::Key_Space)},
         {"Tfrmvideo"},
         false,
         A::None,
         "stop the video (as a click); during the wait after it, the main menu at once",
         "إيقاف الفيديو (كالنقر)؛ وفي الانتظار بعده، القائمة الرئيسية مباشرة"},
        {{K(Qt::Key_Escape), K(Qt::Key_Return), K(Qt::Key_Space)},
         {"Tfrmlogo"},
         false,
         A::None,
         "the main menu at once",
         "القائمة الرئيسية مباشرة"},
        {{K(Qt::Key_Space)},
         {kReaders[0], kReaders[1]},
         false,
         A::None,
         "pause or go on reciting",
         "إيقاف التلاوة مؤقتاً أو متابعتها"},
        {{K(Qt::Key_R)},
         {kReaders[0], kReaders[1]},
         false,
         A::None,
         "repeat a range: R at its first aya, R again at its last",
         "تكرار نطاق: R عند أول آية فيه، ثم R عند آخر آية"},
        {{K(Qt::Key_Escape)},
         {kReaders[0], kReaders[1]},
         false,
         A::None,
         "clears the range when one is set, else closes the reader",
         "يلغي النطاق إن وُجد، وإلا يغلق القارئ"},
        {{K(Qt::Key_Left), K(Qt::Key_Right)},
         {kReaders[0], kReaders[1]},
         false,
         A::None,
         "next or previous aya (the text runs right to left)",
         "الآية التالية أو السابقة (النص من اليمين إلى اليسار)"},
        {{K(Qt::Key_PageDown), K(Qt::Key_PageUp)},
         {kReaders[0], kReaders[1]},
         false,
         A::None,
         "next or previous page",
         "الصفحة التالية أو السابقة"},
        {{K(Qt::Key_Home)},
         {kReaders[0], kReaders[1]},
         false,
         A::None,
         "first aya of the sura",
         "أول آية في السورة"},
        {{K(Qt::Key_Up), K(Qt::Key_Down), K(Qt::Key_Return)},
         {"Tfrm_quran"},
         false,
         A::None,
         "move the highlight through the go-to panel's buttons, press the highlighted one",
         "التنقل بين أزرار لوحة الانتقال والضغط على الزر المحدد"},
        {{K(Qt::Key_F, Ctrl)},
         {"Tfrm_quran"},
         false,
         A::None,
         "the Quran search (as the go-to panel's search button)",
         "البحث في القرآن (كزر البحث في لوحة الانتقال)"},
        {{K(Qt::Key_Up), K(Qt::Key_Down)},
         {"Tfrm_soraname"},
         false,
         A::None,
         "the previous or next sura name turns red",
         "اسم السورة السابقة أو التالية يصبح أحمر"},
        {{K(Qt::Key_Left), K(Qt::Key_Right)},
         {"Tfrm_soraname"},
         false,
         A::None,
         "the name in the next or previous column (the columns run right to left)",
         "الاسم في العمود التالي أو السابق (الأعمدة من اليمين إلى اليسار)"},
        {{K(Qt::Key_Return), K(Qt::Key_Space)},
         {"Tfrm_soraname"},
         false,
         A::None,
         "open the red sura",
         "فتح السورة الحمراء"},
        {{K(Qt::Key_PageDown), K(Qt::Key_PageUp)},
         {"Tfrm_tagweed"},
         false,
         A::None,
         "turn the page",
         "تقليب الصفحة"},
        {{K(Qt::Key_Return), K(Qt::Key_Space)},
         {"Tfrm_doaa"},
         false,
         A::None,
         "open the photos of the round picture (when no button is highlighted)",
         "فتح صور الصورة المستديرة (حين لا يكون زر محدداً)"},
        {{K(Qt::Key_Up), K(Qt::Key_Down), K(Qt::Key_Return)},
         {"ReadingScreen", "BookSearchScreen", "Tfrm_qurans", "Tfrm_remark"},
         true,
         A::None,
         "in a list: move the selection; Enter opens, shows or recites the selected entry",
         "في القائمة: تحريك التحديد؛ Enter يفتح العنصر المحدد أو يعرضه أو يتلوه"},
        {{K(Qt::Key_Up), K(Qt::Key_Down), K(Qt::Key_Left), K(Qt::Key_Right), K(Qt::Key_Return)},
         {"TopicTreeReader"},
         true,
         A::None,
         "move through the topics; the topic under the selection is shown",
         "التنقل بين الموضوعات؛ يُعرض الموضوع المحدد"},
        {{K(Qt::Key_Left), K(Qt::Key_Right), K(Qt::Key_Up), K(Qt::Key_Down)},
         {"SkinScreen"},
         false,
         A::None,
         "move the highlight to the nearest button that way",
         "نقل التحديد إلى أقرب زر في ذلك الاتجاه"},
        {{K(Qt::Key_Return), K(Qt::Key_Space)},
         {"SkinScreen"},
         false,
         A::None,
         "press the highlighted button",
         "الضغط على الزر المحدد"},
        {{K(Qt::Key_Tab), K(Qt::Key_Tab, Shift)},
         {},
         true,
         A::None,
         "move between the screen's lists, fields and buttons",
         "التنقل بين قوائم الشاشة وحقولها وأزرارها"},
        {{K(Qt::Key_Escape)},
         {},
         false,
         A::None,
         "closes the screen as its close button does (nothing on the main menu)",
         "إغلاق الشاشة كما يفعل زر إغلاقها (لا شيء في القائمة الرئيسية)"},
    };
    return table;
}

std::vector<KeyRow> keysFor(const QObject* screen) {
    std::vector<KeyRow> rows;
    std::vector<QKeyCombination> given;
    for (const KeyRow& row : keyTable()) {
        const bool applies =
            row.screens.empty() ||
            (screen && std::any_of(row.screens.begin(), row.screens.end(),
                                   [screen](const char* name) { return screen->inherits(name); }));
        if (!applies) continue;
        KeyRow kept = row;
        std::erase_if(kept.keys, [&](QKeyCombination k) {
            return std::find(given.begin(), given.end(), k) != given.end();
        });
        if (kept.keys.empty()) continue;
        given.insert(given.end(), kept.keys.begin(), kept.keys.end());
        rows.push_back(std::move(kept));
    }
    return rows;
}

ProgramAction programAction(QKeyCombination key, const QObject* screen) {
    // Keypad and the like do not count: only Ctrl and Shift matter here.
    const QKeyCombination plain(key.keyboardModifiers() & (Qt::ControlModifier | Qt::ShiftModifier),
                                key.key());
    auto forScreen = [screen](const KeyRow& row) {
        return row.screens.empty() || (screen && std::any_of(row.screens.begin(), row.screens.end(),
                                                             [screen](const char* name) {
                                                                 return screen->inherits(name);
                                                             }));
    };
    for (const KeyRow& row : keyTable())
        if (row.action != A::None && forScreen(row) &&
            std::find(row.keys.begin(), row.keys.end(), plain) != row.keys.end())
            return row.action;
    return A::None;
}

QString keyName(QKeyCombination key) {
    if (key.key() == Qt::Key_Return) return "Enter";
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

}  // namespace desktop
