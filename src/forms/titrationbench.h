// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/exportformat.h"
#include "forms/windowhost.h"
#include "session/declarevars.h"
#include "session/number.h"
#include "session/platform.h"
#include "session/printing.h"

#include <QLocale>
#include <QString>

#include <cstdint>

namespace drevant {

// The enabled states and texts of the titration window's controls, as the handlers leave
// them. The window mirrors this onto its widgets after every handler.
struct BenchControls {
    bool startEnabled = true;
    bool drevantEnabled = false; // stored disabled: only "Start" unlocks the burette
    bool restartEnabled = true;
    bool exportEnabled = true;
    bool scrollBarsEnabled = true; // HScroll1 and HScroll2 together
    bool beginAgainEnabled = true;
    bool showDataEnabled = true;
    QString showDataCaption = QStringLiteral("Show Data");
    QString label4; // titrant normality, as the window wrote it
    QString label5; // initial sample volume in mL
};

// The titration window's own variables (window state), reset by its load handler.
struct BenchState {
    Number PressTime;  // clock at the press (32-bit seconds); after the release, the duration
    Number PressTotal; // seconds of all presses since "Start" (one second is one mL)
    double Kw = 0;     // ion product of water
    double CurrentPh = 0;
    double HConc = 0;    // mol/L, where the last scan stopped
    double Residual = 0; // charge-balance residual there
    Number DeliveredL;   // titrant delivered since "Start" (litres)
    std::int16_t PointIndex = 0;
    int DataPage = 0;
};

// The stored scroll-bar settings of the window: the normality in thousandths of a normal,
// the volume in mL, over the ranges an export file can hold.
inline constexpr int NormalityScrollMin = MinNormalityThousandths;
inline constexpr int NormalityScrollMax = MaxNormalityThousandths;
inline constexpr int NormalityScrollStart = 250;
inline constexpr int VolumeScrollMin = MinSampleVolumeMl;
inline constexpr int VolumeScrollMax = MaxSampleVolumeMl;
inline constexpr int VolumeScrollStart = 200;

// The normality label's text for a scroll value in thousandths: 250 -> "0.25".
QString normalityLabelText(int thousandths, const QLocale& locale = QLocale());

// The titration window's handlers, apart from its widgets: the burette delivery and data
// log, the message panel reports, the curve and the data table.
class TitrationBench {
public:
    // `locale` is the user's number format, in which the labels are written and read back
    // and the data table is printed.
    TitrationBench(DeclareVars& vars, Clock& clock, DrawingSurface& messageBox,
                   DrawingSurface& dataGraph, WindowHost& host, const QLocale& locale = QLocale());

    void Form_Load();
    void HScroll1_Change(int value);
    void HScroll2_Change(int value);
    void Start_Click();
    void Restart_Click();
    void ShowData_Click();
    void ExportData_Click();
    void BeginAgain_Click();
    void Drevant_MouseDown();
    void Drevant_MouseUp();
    // After a save that worked: the panel shows the one line saying where the file went.
    void showSaved(const QString& line);

    const BenchControls& controls() const { return m_controls; }
    const BenchState& state() const { return m_state; }
    // A press has been taken and its release not yet.
    bool pressUnderWay() const { return m_held; }

    // The duration (seconds) a release delivers for, from the clock's readings (seconds since
    // midnight, 32-bit) at the press and at the release: their difference, in 32 bits, and
    // the minimum press (a 64-bit value) for anything shorter, a negative difference too (a
    // press held across midnight, a clock set back while held). The burette picture shows a
    // held press by the same rule.
    static Number pressDuration(const Number& pressReading, const Number& releaseReading);

    static constexpr double BuretteCapacityL = MaxExportTitrantL;
    static constexpr double MinimumPressS = 0.1;
    static constexpr double DilutionLimit = 0.1;
    // The warning's rule: the titrant is more than DilutionLimit of the mixture.
    static bool dilutesSample(Number deliveredL, double sampleVolumeL);

private:
    void readSettings();
    void solve(double deliveredL);
    void printReport();

    DeclareVars& m_vars;
    Clock& m_clock;
    DrawingSurface& m_messageBox;
    DrawingSurface& m_dataGraph;
    WindowHost& m_host;
    const QLocale m_locale;
    BenchControls m_controls;
    BenchState m_state;
    bool m_held = false; // a press is under way: the next release belongs to it
};

} // namespace drevant
