#pragma once
// A shown main window and quick access to the controls of its column options.
#include "program_fixture.h"
#include "ui/u_design_area.h"

#include <QScreen>
#include <QScrollArea>
#include <QTest>

struct DesignFixture : ProgramFixture {
    explicit DesignFixture(Language language = Language::German) : ProgramFixture(language)
    {
        prog->show();
        prog->activateWindow();
        // The first activation maximises the window; measure only once it fills the screen.
        shown =
            QTest::qWaitForWindowActive(prog) && QTest::qWaitFor([this] {
                return prog->isMaximized() && prog->frameGeometry() == prog->screen()->availableGeometry();
            });
        area = prog->designArea();
        box = prog->findChild<QScrollArea *>(QStringLiteral("ScrollBox1"));
    }
    template <typename T = QWidget> T *control(const char *name) const
    {
        return prog->findChild<T *>(QString::fromUtf8(name));
    }
    QString value(const char *name) const
    {
        return state.settings.value(SettingsWindow::PB, QString::fromUtf8(name));
    }
    bool on(const char *name) const
    {
        return state.settings.isOn(SettingsWindow::PB, QString::fromUtf8(name));
    }

    bool shown = false;
    DesignArea *area = nullptr;
    QScrollArea *box = nullptr;
};
