#pragma once

#include "shell/Mainform.h"
#include "shell/Paths.h"

#include "platform/Files.h"
#include "platform/NodeTree.h"
#include "platform/Settings.h"

#include <gtest/gtest.h>

#include "WindowSupport.h"

// The window tests of vertical pages, paper and cards share the real window
// and a way to find a piece by its title.
class PaperWindow : public ::testing::Test {
  protected:
    void SetUp() override { window_support::open(form); }
    void TearDown() override {
        if (form)
            form->close();
    }

    template <typename Step> void andWait(Step step) { window_support::andWait(*form, step); }

    QString keyOf(const QString& title) const {
        for (const QString& key : form->tree()->keys()) {
            const platform::NodeInfo node = form->tree()->info(key);
            if (node.text == title && node.children == 0)
                return key;
        }
        return {};
    }
    void show(const QString& title) {
        const QString key = keyOf(title);
        ASSERT_FALSE(key.isEmpty()) << title.toStdString();
        andWait([&] { form->tree()->reveal(key); });
    }
    QByteArray pageBytes() const {
        return platform::files::read(shell::paths::inWorkingFolder(shell::paths::kPage));
    }
    QString stored(const QString& key) const {
        return platform::Settings(platform::Settings::programFile())
            .read(QStringLiteral("Reading"), key, QStringLiteral("(absent)"));
    }

    std::unique_ptr<shell::Mainform> form;
};
