// SPDX-License-Identifier: GPL-3.0-or-later
#include "titrationbench.h"

#include "chemistry/phsolver.h"
#include "forms/curveplot.h"
#include "forms/datatable.h"
#include "session/numbertext.h"

#include <QCoreApplication>
#include <cmath>

namespace drevant {

namespace {

double labelNumber(const QString& text, const QLocale& locale) {
    // The labels only ever hold numbers this window wrote, in the user's format.
    return parseDecimal(text, locale).value_or(0.0);
}

} // namespace

QString normalityLabelText(int thousandths, const QLocale& locale) {
    return numberDigits(Number::real(thousandths / 1000.0), locale);
}

TitrationBench::TitrationBench(DeclareVars& vars, Clock& clock, DrawingSurface& messageBox,
                               DrawingSurface& dataGraph, WindowHost& host, const QLocale& locale)
    : m_vars(vars), m_clock(clock), m_messageBox(messageBox), m_dataGraph(dataGraph), m_host(host),
      m_locale(locale) {
    m_controls.label4 = normalityLabelText(NormalityScrollStart, m_locale);
    m_controls.label5 = QString::number(VolumeScrollStart);
}

void TitrationBench::Form_Load() {
    resetDataLog(m_vars);
    m_state.PressTime = Number::integer(0);
    m_state.PressTotal = Number::integer(0);
    m_state.DataPage = 0;
    m_state.Kw = Pow10(-14);
    DrawEmptyGraph(m_dataGraph);
    m_controls.exportEnabled = false;
    m_controls.restartEnabled = false;
}

void TitrationBench::HScroll1_Change(int value) {
    m_controls.label4 = normalityLabelText(value, m_locale);
}

void TitrationBench::HScroll2_Change(int value) {
    m_controls.label5 = QString::number(value);
}

void TitrationBench::readSettings() {
    m_vars.SampleVolumeL = labelNumber(m_controls.label5, m_locale) / 1000;
    m_vars.TitrantNormality = m_controls.label4;
}

void TitrationBench::solve(double deliveredL) {
    const double normality = labelNumber(m_vars.TitrantNormality, m_locale);
    const PhSolution s =
        SolvePh(m_vars.SampleParams, m_state.Kw, m_vars.SampleVolumeL, deliveredL, normality);
    m_state.HConc = s.HConc;
    m_state.Residual = s.Residual;
    m_state.CurrentPh = s.CurrentPh;
}

void TitrationBench::Start_Click() {
    m_state.PointIndex = 1;
    m_state.DataPage = 0;
    readSettings();
    m_controls.showDataEnabled = true;
    m_controls.showDataCaption = QCoreApplication::translate("TitrationBench", "Show Data");
    m_state.PressTotal = Number::integer(0);
    m_state.DeliveredL = Number::integer(0);
    solve(0.0);
    m_vars.VolLog[1] = m_state.DeliveredL; // the integer 0: a point, not a gap
    m_vars.PhLog[1] = Number::real(m_state.CurrentPh);
    m_controls.scrollBarsEnabled = false;
    m_controls.drevantEnabled = true;
    m_held = false;
    PlotPoint(m_dataGraph, m_vars, 1); // in the width the empty graph left (1)
    m_controls.startEnabled = false;
    m_controls.restartEnabled = true;
    m_controls.exportEnabled = true;
}

void TitrationBench::Restart_Click() {
    m_state.PressTotal = Number::integer(0);
    m_state.DeliveredL = Number::integer(0);
    m_state.PointIndex = 1;
    m_controls.scrollBarsEnabled = true;
    m_controls.drevantEnabled = false;
    m_held = false;
    m_controls.restartEnabled = false;
    m_controls.startEnabled = true;
    m_controls.exportEnabled = false;
    m_dataGraph.cls();
    DrawEmptyGraph(m_dataGraph);
    resetDataLog(m_vars);
    m_messageBox.cls();
    m_controls.showDataCaption = QCoreApplication::translate("TitrationBench", "Show Data");
}

void TitrationBench::ShowData_Click() {
    if (!m_controls.showDataEnabled)
        return;
    const int page = m_state.DataPage;
    if (printDataPage(m_messageBox, m_vars, page, m_locale))
        m_controls.showDataEnabled = false;
    m_state.DataPage = page + 1;
    m_controls.showDataCaption = QCoreApplication::translate("TitrationBench", "Show More Data");
}

void TitrationBench::ExportData_Click() {
    if (!m_controls.exportEnabled)
        return;
    m_messageBox.cls();
    m_host.openExportDialog();
}

void TitrationBench::showSaved(const QString& line) {
    m_messageBox.cls();
    TextLine(m_messageBox, line);
}

void TitrationBench::BeginAgain_Click() {
    // A dialog left open would later save fillers for a sample that no longer exists.
    m_host.cancelExportDialog();
    m_host.closeTitrationWindow();
    m_host.openDifficultyWindow();
}

void TitrationBench::Drevant_MouseDown() {
    if (!m_controls.drevantEnabled || m_held)
        return; // a locked burette receives no press
    m_held = true;
    // 32-bit on purpose: the clock reading has single precision, and so has the duration.
    m_state.PressTime = Number::single(static_cast<float>(m_clock.secondsSinceMidnight()));
    m_state.DataPage = 0;
    m_controls.showDataEnabled = true;
    m_controls.showDataCaption = QCoreApplication::translate("TitrationBench", "Show Data");
}

Number TitrationBench::pressDuration(const Number& pressReading, const Number& releaseReading) {
    const Number duration = releaseReading - pressReading;
    if (duration < Number::real(MinimumPressS))
        return Number::real(MinimumPressS);
    return duration;
}

void TitrationBench::Drevant_MouseUp() {
    if (!m_held)
        return; // no release without its press (taken only while the burette is enabled)
    m_held = false;
    m_state.PointIndex = static_cast<std::int16_t>(m_state.PointIndex + 1);
    const Number now = Number::single(static_cast<float>(m_clock.secondsSinceMidnight()));
    m_state.PressTime = pressDuration(m_state.PressTime, now);
    m_state.PressTotal = m_state.PressTotal + m_state.PressTime;
    m_state.DeliveredL = m_state.PressTotal / Number::integer(1000);

    if (m_state.DeliveredL > Number::real(BuretteCapacityL) || m_state.PointIndex >= LogSize) {
        m_messageBox.cls();
        TextLine(m_messageBox,
                 QCoreApplication::translate("TitrationBench", "Burette Empty, Try Again!!"));
        m_controls.drevantEnabled = false;
        return;
    }

    readSettings();
    solve(m_state.DeliveredL.toDouble());
    m_messageBox.cls();
    if (dilutesSample(m_state.DeliveredL, m_vars.SampleVolumeL)) {
        TextLine(m_messageBox, QCoreApplication::translate("TitrationBench", "WARNING!!"));
        TextLine(m_messageBox, QCoreApplication::translate("TitrationBench",
                                                           "You have diluted your sample >10%"));
        TextLine(m_messageBox, QCoreApplication::translate(
                                   "TitrationBench", "This is not good laboratory practice!"));
    }
    printReport();

    m_vars.VolLog[m_state.PointIndex] = m_state.DeliveredL;
    m_vars.PhLog[m_state.PointIndex] = Number::real(m_state.CurrentPh);
    m_dataGraph.setLineWidth(2);
    PlotPoint(m_dataGraph, m_vars, m_state.PointIndex);
}

bool TitrationBench::dilutesSample(Number deliveredL, double sampleVolumeL) {
    const Number fraction = deliveredL / (Number::real(sampleVolumeL) + deliveredL);
    return fraction > Number::real(DilutionLimit);
}

void TitrationBench::printReport() {
    EmptyLine(m_messageBox);
    ZonedPair(m_messageBox,
              QCoreApplication::translate("TitrationBench", "Current Burrette Value (mL) "),
              m_state.DeliveredL * Number::integer(1000));
    ZonedPairSkip(m_messageBox, QCoreApplication::translate("TitrationBench", "pH "),
                  Number::real(m_state.CurrentPh));
    ZonedPair(m_messageBox, QCoreApplication::translate("TitrationBench", "Titrant Strength (N): "),
              m_vars.TitrantNormality);
    ZonedPair(m_messageBox, QCoreApplication::translate("TitrationBench", "# Data Points: "),
              Number::integer(m_state.PointIndex));
}

} // namespace drevant
