#pragma once

#include "library/LibraryFile.h"

#include <gtest/gtest.h>

// Tests that read the library built from the committed fixture slice: the
// file is opened once for the suite.
class WithFixtureLibrary : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        QString error;
        file =
            library::LibraryFile::open(QStringLiteral(QUILLORA_FIXTURE_LIBRARY), &error).release();
        ASSERT_NE(file, nullptr) << error.toStdString();
    }
    static void TearDownTestSuite() {
        delete file;
        file = nullptr;
    }

    static inline library::LibraryFile* file = nullptr;
};
