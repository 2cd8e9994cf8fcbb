#include "desktop/preferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <algorithm>

#include "desktop/texts.h"
#include "platform/paths.h"

namespace desktop {

namespace {

enum class Kind { Bool, Size, Text };

// The known keys and what they hold; other keys are kept as they are.
Kind kindOf(const QString& key) {
    if (key == Preferences::kStartAtMenu || key == Preferences::kStartWindowed ||
        key == platform::kArabicAwareKey || key == platform::kWholeWordsKey ||
        key == platform::kDaggerAlefKey)
        return Kind::Bool;
    if (key == Preferences::kWindowWidth || key == Preferences::kWindowHeight) return Kind::Size;
    return Kind::Text;
}

bool valid(const QString& key, const QVariant& value) {
    const QString text = value.toString().trimmed().toLower();
    switch (kindOf(key)) {
        case Kind::Bool:
            return text == "true" || text == "false";
        case Kind::Size: {
            bool ok = false;
            const int n = text.toInt(&ok);
            return ok && n >= 100 && n <= 32767;
        }
        case Kind::Text:
            return value.canConvert<QString>();
    }
    return false;
}

// UTF-8 text without control characters other than line ends and tabs.
bool plainText(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = f.read(1 << 20);
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString text = decode(bytes);
    if (decode.hasError()) return false;
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x20 && c != '\n' && c != '\r' && c != '\t';
    });
}

}  // namespace

QString Preferences::defaultFile() {
    // Beside drive C's folder: $XDG_CONFIG_HOME/zafirel.
    const auto folder = platform::userDriveFolder().parent_path();
    return QString::fromStdString((folder / "zafirel.conf").string());
}

Preferences::Preferences(QString file) : file_(std::move(file)) {}

void Preferences::load() {
    values_.clear();
    problem_.clear();
    const QFileInfo info(file_);
    if (!info.exists()) return;
    QString why;
    if (!info.isFile() || !info.isReadable()) {
        why = "not a readable file";
    } else if (!plainText(file_)) {
        why = "not text";
    } else {
        QSettings settings(file_, QSettings::IniFormat);
        if (settings.status() != QSettings::NoError) why = "not in the preferences format";
        for (const QString& key : settings.allKeys()) {
            const QVariant v = settings.value(key);
            if (why.isEmpty() && !valid(key, v)) why = QString("bad value for %1").arg(key);
            values_[key] = v;
        }
    }
    if (why.isEmpty()) return;
    values_.clear();
    const QString kept = file_ + ".bad";
    if (info.isFile()) {
        QFile::remove(kept);
        QFile::rename(file_, kept);
    }
    problem_ = text(Text::PreferencesUnreadable).arg(file_, why, kept);
}

bool Preferences::save() {
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSettings settings(file_, QSettings::IniFormat);
    settings.clear();
    for (const auto& [key, v] : values_) settings.setValue(key, v);
    settings.sync();
    if (settings.status() == QSettings::NoError && QFileInfo(file_).isFile()) return true;
    if (!unwritableTold_) {
        unwritableTold_ = true;
        problem_ = text(Text::PreferencesUnwritable).arg(file_, "cannot write there");
    } else {
        problem_.clear();  // told once per run
    }
    return false;
}

QVariant Preferences::value(const QString& key, const QVariant& fallback) const {
    auto it = values_.find(key);
    return it == values_.end() ? fallback : it->second;
}

void Preferences::setValue(const QString& key, const QVariant& value) {
    values_[key] = value;
}

QSize Preferences::windowSize() const {
    const QSize size(value(kWindowWidth, 0).toInt(), value(kWindowHeight, 0).toInt());
    return size.isEmpty() ? QSize() : size;
}

void Preferences::setWindowSize(QSize size) {
    if (size.isEmpty()) return;
    setValue(kWindowWidth, size.width());
    setValue(kWindowHeight, size.height());
}

platform::SearchOptions Preferences::searchOptions() const {
    platform::SearchOptions o;
    o.arabicAware = value(platform::kArabicAwareKey, false).toBool();
    o.wholeWords = value(platform::kWholeWordsKey, false).toBool();
    o.daggerAlef = value(platform::kDaggerAlefKey, false).toBool();
    return o;
}

void Preferences::setSearchOptions(const platform::SearchOptions& o) {
    setValue(platform::kArabicAwareKey, o.arabicAware);
    setValue(platform::kWholeWordsKey, o.wholeWords);
    setValue(platform::kDaggerAlefKey, o.daggerAlef);
}

}  // namespace desktop
