// The program's own options, kept with QSettings in
// $XDG_CONFIG_HOME/zafirel/zafirel.conf (never in the disc's settings file).
// Every option is off by default.
#pragma once

#include <QSize>
#include <QString>
#include <QVariant>
#include <map>

#include "platform/arabic_match.h"

namespace desktop {

class Preferences {
  public:
    /// $XDG_CONFIG_HOME/zafirel/zafirel.conf (normally ~/.config/zafirel/zafirel.conf).
    static QString defaultFile();

    explicit Preferences(QString file = defaultFile());

    /// Reads the file. A missing file gives the defaults. A file that cannot
    /// be read or holds a value of the wrong kind gives the defaults and one
    /// message (problem()); the file itself is kept beside as <file>.bad and
    /// the next save writes a fresh one.
    void load();
    /// What went wrong at load() or at the last save(); empty when all is well.
    const QString& problem() const { return problem_; }

    /// Writes every value. A file that cannot be written gives one message
    /// for the run (problem()) and false; the values stay in memory.
    bool save();

    /// A value by key ("group/name"), for the options of later pages too.
    QVariant value(const QString& key, const QVariant& fallback = {}) const;
    void setValue(const QString& key, const QVariant& value);

    // The first options.
    bool startAtMenu() const { return value(kStartAtMenu, false).toBool(); }
    bool startWindowed() const { return value(kStartWindowed, false).toBool(); }
    /// The last size of the window, in physical pixels; empty when none.
    QSize windowSize() const;
    void setWindowSize(QSize size);
    /// The disc folder chosen by the user; empty: found by itself.
    QString discFolder() const { return value(kDiscFolder).toString(); }
    /// The search options (Arabic-aware, whole words, written-out alefs).
    platform::SearchOptions searchOptions() const;
    void setSearchOptions(const platform::SearchOptions& options);

    static constexpr const char* kStartAtMenu = "start/at_menu";
    static constexpr const char* kStartWindowed = "start/windowed";
    static constexpr const char* kWindowWidth = "window/width";
    static constexpr const char* kWindowHeight = "window/height";
    static constexpr const char* kDiscFolder = "disc/folder";

    const QString& file() const { return file_; }

  private:
    QString file_;
    std::map<QString, QVariant> values_;
    QString problem_;
    bool unwritableTold_ = false;
};

}  // namespace desktop
