// Plugs every section screen the program has into the hub's dispatch.
#pragma once

void RegisterAppSections();
