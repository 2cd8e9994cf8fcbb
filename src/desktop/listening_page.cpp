#include "desktop/listening_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>

#include "desktop/preferences.h"
#include "desktop/texts.h"
#include "platform/media.h"

namespace desktop {

namespace lk = listening_keys;

namespace {

enum class T {
    Page,
    Pause,
    Seconds,
    OnceAya,
    TwiceAya,
    ThirdRepeat,
    WithoutEnd,
    RangeFrom,
    RangeTo,
    RangeCount,
    RangeThenStop,
    RangeHint,
};

// The page's texts: English, Arabic.
constexpr const char* kTexts[][2] = {
    {"Recitation", "التلاوة"},
    {"Pause after each aya:", "وقفة بعد كل آية:"},
    {"seconds (0: none)", "ثوانٍ (0: بلا وقفة)"},
    {"the aya's length", "بطول الآية"},
    {"twice the aya's length", "ضعف طول الآية"},
    {"The third repeat button recites each aya:", "زر التكرار الثالث يتلو كل آية:"},
    {"without end", "بلا نهاية"},
    {"Range from aya (sura:aya):", "النطاق من الآية (سورة:آية):"},
    {"to aya (sura:aya):", "إلى الآية (سورة:آية):"},
    {"Recite the range:", "تلاوة النطاق:"},
    {"Stop after the range (else read on)", "التوقف بعد النطاق (وإلا متابعة القراءة)"},
    {"In the reader: R at the first aya, R again at the last; Escape clears the range.",
     "في القارئ: R عند الآية الأولى، ثم R عند الأخيرة؛ Escape يلغي النطاق."},
};

QString t(T id) {
    return QString::fromUtf8(kTexts[static_cast<int>(id)][arabic() ? 1 : 0]);
}

int intValue(const Preferences& prefs, const char* key, int fallback, int low, int high) {
    bool ok = false;
    const int v = prefs.value(key, fallback).toInt(&ok);
    return ok ? std::clamp(v, low, high) : fallback;
}

}  // namespace

platform::AyaRef parseAyaRef(const QString& text) {
    const QStringList parts = text.trimmed().split(':');
    if (parts.size() != 2) return {};
    bool okSura = false, okAya = false;
    const int sura = parts[0].trimmed().toInt(&okSura);
    const int aya = parts[1].trimmed().toInt(&okAya);
    if (!okSura || !okAya || sura < 1 || sura > 114 || aya < 1 || aya > 286) return {};
    return {sura, aya};
}

QString ayaRefText(platform::AyaRef ref) {
    return ref.valid() ? QString("%1:%2").arg(ref.sura).arg(ref.aya) : QString();
}

void applyListening(const Preferences& prefs) {
    platform::ListeningOptions& o = platform::listening();
    o.pauseSeconds = intValue(prefs, lk::kPauseSeconds, 0, 0, 20);
    o.pauseAyaLengths = intValue(prefs, lk::kPauseAyaLengths, 0, 0, 2);
    const int third = intValue(prefs, lk::kThirdRepeat, 3, 0, 99);
    o.thirdRepeat = third == 0 ? 0 : std::max(third, 3);
    o.rangeCount = intValue(prefs, lk::kRangeCount, 2, 0, 99);
    o.rangeThenStop = prefs.value(lk::kRangeThenStop, true).toBool();
    const platform::AyaRef from = parseAyaRef(prefs.value(lk::kRangeFrom).toString());
    const platform::AyaRef to = parseAyaRef(prefs.value(lk::kRangeTo).toString());
    if (from.valid() && to.valid())
        o.setRange(from, to);
    else
        o.clearRange();
    platform::setMediaVolume(intValue(prefs, lk::kVolume, 100, 0, 100),
                             prefs.value(lk::kMuted, false).toBool());
}

void keepVolume(Preferences& prefs) {
    prefs.setValue(lk::kVolume, platform::mediaVolume());
    prefs.setValue(lk::kMuted, platform::mediaMuted());
}

void registerListeningPage() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    registerPreferencesPage([] { return new ListeningPage(); });
}

ListeningPage::ListeningPage() {
    setObjectName("recitationPage");
    auto* form = new QFormLayout(this);
    pauseSeconds = new QSpinBox();
    pauseSeconds->setRange(0, 20);
    pauseKind = new QComboBox();
    pauseKind->addItems({t(T::Seconds), t(T::OnceAya), t(T::TwiceAya)});
    connect(pauseKind, &QComboBox::currentIndexChanged, this,
            [this](int kind) { pauseSeconds->setEnabled(kind == 0); });
    auto* pause = new QWidget();
    auto* pauseRow = new QHBoxLayout(pause);
    pauseRow->setContentsMargins(0, 0, 0, 0);
    pauseRow->addWidget(pauseSeconds);
    pauseRow->addWidget(pauseKind, 1);
    form->addRow(t(T::Pause), pause);

    thirdRepeat = new QSpinBox();
    thirdRepeat->setRange(2, 99);
    thirdRepeat->setSpecialValueText(t(T::WithoutEnd));
    thirdRepeat->setSuffix(QString::fromUtf8(" ×"));
    form->addRow(t(T::ThirdRepeat), thirdRepeat);

    rangeFrom = new QLineEdit();
    rangeTo = new QLineEdit();
    rangeFrom->setPlaceholderText("2:1");
    rangeTo->setPlaceholderText("2:5");
    rangeCount = new QSpinBox();
    rangeCount->setRange(0, 99);
    rangeCount->setSpecialValueText(t(T::WithoutEnd));
    rangeCount->setSuffix(QString::fromUtf8(" ×"));
    rangeThenStop = new QCheckBox(t(T::RangeThenStop));
    form->addRow(t(T::RangeFrom), rangeFrom);
    form->addRow(t(T::RangeTo), rangeTo);
    form->addRow(t(T::RangeCount), rangeCount);
    form->addRow(rangeThenStop);
    auto* hint = new QLabel(t(T::RangeHint));
    hint->setWordWrap(true);
    form->addRow(hint);
    // Keyboard-complete: Tab runs through the fields in reading order.
    setTabOrder(pauseSeconds, pauseKind);
    setTabOrder(pauseKind, thirdRepeat);
    setTabOrder(thirdRepeat, rangeFrom);
    setTabOrder(rangeFrom, rangeTo);
    setTabOrder(rangeTo, rangeCount);
    setTabOrder(rangeCount, rangeThenStop);
}

QString ListeningPage::title() const {
    return t(T::Page);
}

void ListeningPage::load(const Preferences& prefs) {
    // What is in force (put there from the preferences at the start): the
    // range may have been set since in a reader with R.
    const platform::ListeningOptions& o = platform::listening();
    pauseSeconds->setValue(o.pauseSeconds);
    pauseKind->setCurrentIndex(o.pauseAyaLengths);
    pauseSeconds->setEnabled(o.pauseAyaLengths == 0);
    thirdRepeat->setValue(o.thirdRepeat == 0 ? 2 : o.thirdRepeat);
    rangeFrom->setText(ayaRefText(o.rangeFrom));
    rangeTo->setText(ayaRefText(o.rangeTo));
    rangeCount->setValue(o.rangeCount);
    rangeThenStop->setChecked(o.rangeThenStop);
}

void ListeningPage::store(Preferences& prefs) {
    prefs.setValue(lk::kPauseSeconds, pauseSeconds->value());
    prefs.setValue(lk::kPauseAyaLengths, pauseKind->currentIndex());
    prefs.setValue(lk::kThirdRepeat, thirdRepeat->value() == 2 ? 0 : thirdRepeat->value());
    const platform::AyaRef from = parseAyaRef(rangeFrom->text());
    const platform::AyaRef to = parseAyaRef(rangeTo->text());
    const bool range = from.valid() && to.valid();
    prefs.setValue(lk::kRangeFrom, range ? ayaRefText(from) : QString());
    prefs.setValue(lk::kRangeTo, range ? ayaRefText(to) : QString());
    prefs.setValue(lk::kRangeCount, rangeCount->value());
    prefs.setValue(lk::kRangeThenStop, rangeThenStop->isChecked());
    keepVolume(prefs);
    applyListening(prefs);
}

}  // namespace desktop
