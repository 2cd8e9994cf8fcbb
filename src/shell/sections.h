// The section dispatch: the hub opens section 1..12 chosen in the main menu.
// Each section screen plugs in its opener, and what it keeps when the program
// ends from anywhere; a section without an opener shows a new main menu.
#pragma once

#include <functional>

/// Registers what opens section n (creates the screen inside the hub and shows
/// it) and what the section saves when the program is ended from any screen
/// (none when empty; it decides itself whether it has anything to save).
void RegisterSection(int n, std::function<void()> open, std::function<void()> saveAtQuit = {});

/// Runs what every section saves at quit, in section order. A save that fails
/// is reported and the others still run.
void SaveSectionsAtQuit();

/// Asks the hub to open section n (1..12) on its next dispatch tick.
void RequestSection(int n);
/// What the hub does when a section is requested: enable its dispatch timer.
void SetSectionDispatcher(std::function<void()> dispatch);

/// Opens section n after the shared values of sections 1 and 2 are set.
void OpenSection(int n);

/// Sets the shared values that sections 1 and 2 open with.
void PresetSectionValues(int n);

/// Creates a new main menu inside the hub and shows it.
void ShowMainMenu();

/// The widget screens are placed in (the hub's display area).
class QWidget;
QWidget* HubArea();
