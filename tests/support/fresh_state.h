#pragma once
// Each test starts with a state folder of its own, so that the renaming journal of one test is
// never the undo of the next.
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

class FreshStateFolder : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override
    {
        m_folder = std::make_unique<QTemporaryDir>();
        setenv("XDG_STATE_HOME", qPrintable(m_folder->path()), 1);
    }
    void OnTestEnd(const ::testing::TestInfo &) override { m_folder.reset(); }

    std::unique_ptr<QTemporaryDir> m_folder;
};
