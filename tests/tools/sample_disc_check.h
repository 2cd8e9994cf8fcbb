// The fixture of the sample disc tests: the disc built for the test run is
// drive D and the program's drive, read through the program's folders.
#pragma once

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "shell/globals.h"
#include "support/screen_test.h"

class SampleDiscTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::clearDrives();
        platform::setProgramDrive('D');
        platform::setDrive('D', TestDiscFolder());
        BuildDiscFolders();
    }
};
