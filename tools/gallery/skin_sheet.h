// Sheets of a disc's skin screens for the gallery.
#pragma once

#include <QString>
#include <filesystem>

/// Writes one PNG per skin screen of the disc at `disc` into `outDir`: the
/// background with every button's up picture at its place from the layout
/// file, each outlined and numbered, so that a person can check what the
/// buttons say and where they lie. Returns the program's exit code.
int writeSkinSheets(const QString& outDir, const std::filesystem::path& disc);
