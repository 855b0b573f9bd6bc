#pragma once

#include "grid/gridmodel.h"
#include "settings/settings.h"
#include "support/testservices.h"
#include "ui/frmmain.h"

#include <QAbstractItemModelTester>
#include <QTest>

#include <memory>

namespace TestSupport {

// The main window loaded from the settings file at `iniPath`, with test
// services and its results model watched by QAbstractItemModelTester.
// Header-only: only the window tests, which link the widgets, include it.
struct LoadedWindow
{
    explicit LoadedWindow(const QString &iniPath) : settings(iniPath), test(makeTestServices())
    {
        QVERIFY(settings.ReadSettings());
        window = std::make_unique<frmMain>(settings, test.services);
        window->Form_Load();
        new QAbstractItemModelTester(window->filesModel(), QAbstractItemModelTester::FailureReportingMode::QtTest,
                                     window.get());
    }
    GridModel &files() const { return *window->filesModel(); }

    SettingsStore settings;
    TestServices test;
    std::unique_ptr<frmMain> window;
};

} // namespace TestSupport
