#include "shell/app_sections.h"

#include "shell/sections.h"

void RegisterAppSections() {
    // Sections register here as their screens are built.
}
