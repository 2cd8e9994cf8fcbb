// The texts of the program's own layer (menu, preferences, keys, about), in
// Arabic and English. The interface is Arabic when the program's interface
// language is 1, English otherwise.
#pragma once

#include <QString>
#include <Qt>

namespace desktop {

enum class Text {
    FullScreen,
    Preferences,
    Keys,
    About,
    Quit,
    PreferencesTitle,
    GeneralPage,
    StartAtMenu,
    StartWindowed,
    DiscFolder,
    DiscAutomatic,
    ChooseFolder,
    DiscFound,
    DiscNotFound,
    DiscNextStart,
    Ok,
    Cancel,
    Close,
    KeysTitle,
    KeyColumn,
    WhatColumn,
    AboutTitle,
    AboutText,
    PreferencesUnreadable,
    PreferencesUnwritable,
    SearchPage,
    ArabicAware,
    ArabicAwareNote,
    WholeWords,
    DaggerAlef,
    DaggerAlefNote,
    SearchScopeWhole,
    SearchScopeSura,
    SearchScopePages,
    SearchIn,
    PagesFrom,
    PagesTo,
};

/// True when the layer speaks Arabic now.
bool arabic();
/// The text in the interface language.
QString text(Text id);
/// The text in the given language (tests, and the texts of both at once).
QString text(Text id, bool arabic);
/// Right to left for Arabic.
Qt::LayoutDirection direction();

}  // namespace desktop
