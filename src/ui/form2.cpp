// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include "forms/curveplot.h"
#include "forms/spokentext.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/burettedrain.h"
#include "ui/commandbutton.h"
#include "ui/curvesurface.h"
#include "ui/helpwindow.h"
#include "ui/retainedsurface.h"
#include "ui/settingscrollbar.h"
#include "ui/valuelabel.h"
#include "ui/windowscale.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <climits>
#include <utility>

namespace drevant {

namespace {

// Headings wrap onto two lines of a condensed face to fit their narrow places.
QFont headingFont() {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(10);
    return font;
}

QLabel* makeLabel(const QString& text, WindowScale& layout, QWidget* parent, QRect twips) {
    auto* label = new QLabel(text, parent);
    layout.setFont(label, headingFont());
    layout.place(label, twips);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A label that shows a chosen value, on the system highlight-text colour.
QLabel* makeValueLabel(WindowScale& layout, QWidget* parent, QRect twips) {
    auto* label = new ValueLabel(parent);
    layout.setFont(label, headingFont());
    layout.place(label, twips);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

SettingScrollBar* makeScrollBar(WindowScale& layout, QWidget* parent, QRect twips, double unit,
                                int min, int max, int value, int largeChange) {
    auto* bar = new SettingScrollBar(unit, parent);
    layout.place(bar, twips);
    bar->setRange(min, max);
    bar->setValue(value);
    bar->setPageStep(largeChange);
    bar->setSingleStep(1);
    bar->setTracking(false); // the value changes when a dragged thumb is released
    return bar;
}

} // namespace

QFont Form2::messagePanelFont() {
    // A burette reading or pH after a tap has up to 15 significant digits and starts in the
    // third print zone (28 average character widths). DejaVu Sans narrowed to 62 % of its
    // width fits the widest such line into the panel's 193 pixels with room to spare, at a
    // height of 11 pixels, taller than the 10-pixel condensed face it replaces. Its average
    // character width also keeps every report label inside the second zone.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStretch(62);
    return font;
}

Form2::Form2(DeclareVars& vars, Clock& clock, WindowHost& host)
    : m_vars(vars), m_releaseClock(clock) {
    setWindowTitle(QStringLiteral("Drevant"));
    setWindowIcon(applicationIcon());
    m_layout = new WindowScale(*this, QSize(8235, 8430));
    m_layout->setFont(this, windowFont());
    buildControls();
    m_layout->fitCaptions();
    m_bench = std::make_unique<TitrationBench>(vars, m_releaseClock, *MessageBox, *DataGraph, host);
    m_drain = new BuretteDrain(*m_bench, vars, clock, *Drevant, this);
    handle([this] { m_bench->Form_Load(); });
    HelpWindow::install(*this);
    // The window opens with the focus on the first control that can take it (HScroll1 while
    // the burette is locked).
    if (QWidget* first = firstEnabledControl())
        first->setFocus();
}

Form2::~Form2() = default;

void Form2::buildControls() {
    Drevant = new BuretteButton(this);
    Drevant->setText(tr("Press to Drevant"));
    m_layout->place(Drevant, QRect(5160, 360, 2895, 8055));
    Label1 = makeLabel(tr("Titrant Normality"), *m_layout, this, QRect(240, 240, 1215, 375));
    Label2 =
        makeLabel(tr("Initial Sample Volume (mL)"), *m_layout, this, QRect(1560, 120, 975, 375));
    HScroll1 = makeScrollBar(*m_layout, this, QRect(360, 840, 975, 255), 0.001, NormalityScrollMin,
                             NormalityScrollMax, NormalityScrollStart, 10);
    Label4 = makeValueLabel(*m_layout, this, QRect(360, 600, 975, 255));
    Label5 = makeValueLabel(*m_layout, this, QRect(1560, 600, 975, 255));
    HScroll2 = makeScrollBar(*m_layout, this, QRect(1560, 840, 975, 255), 1.0, VolumeScrollMin,
                             VolumeScrollMax, VolumeScrollStart, 100);
    MessageBox = new RetainedSurface(this, RetainedSurface::Speech::PrintedText);
    m_layout->place(MessageBox, QRect(240, 1200, 2895, 1815));
    MessageBox->setSurfaceFont(messagePanelFont());
    MessageBox->setFocusPolicy(Qt::StrongFocus); // a screen reader user can go and read it
    ShowData = new CommandButton(tr("Show Data"), this);
    m_layout->place(ShowData, QRect(240, 3000, 2895, 375));
    DataGraph = new CurveSurface(this);
    m_layout->place(DataGraph, QRect(120, 3360, 5000, 5000));
    DataGraph->setFocusPolicy(Qt::StrongFocus);
    // In a right-to-left language the graph and the burette move to their mirror places but
    // are drawn as written.
    DataGraph->setLayoutDirection(Qt::LeftToRight);
    Drevant->setLayoutDirection(Qt::LeftToRight);
    Start = new CommandButton(tr("Start"), this);
    m_layout->place(Start, QRect(3240, 480, 1815, 615));
    ExportData = new CommandButton(tr("Export Data"), this);
    m_layout->place(ExportData, QRect(3240, 1200, 1815, 615));
    Restart = new CommandButton(tr("Start Titration Over"), this);
    m_layout->place(Restart, QRect(3240, 1920, 1815, 615));
    BeginAgain = new CommandButton(tr("Begin Again With New Titration"), this);
    m_layout->place(BeginAgain, QRect(3240, 2640, 1815, 615));

    for (QPushButton* b : {ShowData, Start, ExportData, Restart, BeginAgain})
        b->setAutoDefault(false);
    const QList<QWidget*> order = tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    // Names and descriptions for assistive technology; the captions stay as they are.
    Drevant->setAccessibleName(tr("Burette: hold to add titrant"));
    Label1->setBuddy(HScroll1);
    Label2->setBuddy(HScroll2);
    HScroll1->setAccessibleName(tr("Titrant normality (N)"));
    HScroll2->setAccessibleName(tr("Initial sample volume (mL)"));
    // The value labels keep their text as name (what a reader reads out), and say what it is.
    Label4->setAccessibleDescription(tr("Titrant normality (N)"));
    Label5->setAccessibleDescription(tr("Initial sample volume (mL)"));
    MessageBox->setAccessibleName(tr("Messages"));
    DataGraph->setAccessibleName(tr("Titration curve"));
    Start->setAccessibleDescription(
        tr("Computes the pH of the sample with no titrant, plots it as the first "
           "point, fixes normality and volume and unlocks the burette."));
    ExportData->setAccessibleDescription(tr("Opens the dialog that saves the data to a file."));
    Restart->setAccessibleDescription(
        tr("Clears the curve, the data and the messages; keeps the same sample."));
    BeginAgain->setAccessibleDescription(
        tr("Closes this window and goes back to choosing a level for a new sample."));

    // Tooltips: what each control is for, in a sentence.
    Drevant->setToolTip(tr("Hold down to let titrant flow: 1 mL per second, at least 0.1 mL "
                           "a press, up to 20 mL. Locked until Start."));
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label4),
                       static_cast<QWidget*>(HScroll1)})
        w->setToolTip(tr("Titrant normality (N), 0.001 to 0.5: set it before Start."));
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label5),
                       static_cast<QWidget*>(HScroll2)})
        w->setToolTip(tr("Initial sample volume (mL), 1 to 1000: set it before Start."));
    MessageBox->setToolTip(tr("Messages: the reading after each release, or a page of data."));
    ShowData->setToolTip(tr("Shows the logged points in the message panel, seven a page."));
    DataGraph->setToolTip(tr("Titration curve: pH against the volume of titrant. Point at a "
                             "marker, or use the arrows here, to read its volume and pH."));
    Start->setToolTip(Start->accessibleDescription());
    ExportData->setToolTip(ExportData->accessibleDescription());
    Restart->setToolTip(Restart->accessibleDescription());
    BeginAgain->setToolTip(BeginAgain->accessibleDescription());

    connect(HScroll1, &QScrollBar::valueChanged, this,
            [this](int v) { handle([this, v] { m_bench->HScroll1_Change(v); }); });
    connect(HScroll2, &QScrollBar::valueChanged, this,
            [this](int v) { handle([this, v] { m_bench->HScroll2_Change(v); }); });
    connect(Start, &QPushButton::clicked, this,
            [this] { handle([this] { m_bench->Start_Click(); }); });
    connect(Restart, &QPushButton::clicked, this,
            [this] { handle([this] { m_bench->Restart_Click(); }); });
    connect(ShowData, &QPushButton::clicked, this,
            [this] { handle([this] { m_bench->ShowData_Click(); }, ShowData); });
    connect(ExportData, &QPushButton::clicked, this,
            [this] { handle([this] { m_bench->ExportData_Click(); }); });
    connect(DataGraph, &CurveSurface::pointerAt, this,
            [this](QPointF at) { showCurvePoint(nearestPoint(m_vars, at.x(), at.y())); });
    connect(DataGraph, &CurveSurface::pointStep, this, [this](int step) {
        const int count = int(DataGraph->spokenRows().size());
        if (count == 0)
            return;
        // Home and End go to the first and last point; with no point shown yet, Left starts
        // from the last and Right from the first.
        const int row = DataGraph->shownPoint();
        qint64 next = qint64(row) + step;
        if (row < 0 && step != INT_MIN && step != INT_MAX)
            next = step < 0 ? count - 1 : 0;
        showCurvePoint(int(std::clamp<qint64>(next, 0, count - 1)) + 1);
    });
    // Begin Again unloads this window: nothing of it may be touched afterwards.
    connect(BeginAgain, &QPushButton::clicked, this, [this] { m_bench->BeginAgain_Click(); });
    connect(Drevant, &QAbstractButton::pressed, this,
            [this] { handle([this] { m_bench->Drevant_MouseDown(); }); });
    connect(Drevant, &BuretteButton::releaseDeferred, this, [this] {
        m_releaseClock.m_keyReleaseAt = m_releaseClock.m_clock.secondsSinceMidnight();
    });
    connect(Drevant, &QAbstractButton::released, this, [this] {
        if (Drevant->lastReleaseDeferred())
            m_releaseClock.m_heldAt = m_releaseClock.m_keyReleaseAt;
        handle([this] { m_bench->Drevant_MouseUp(); }, Drevant);
        m_releaseClock.m_heldAt = -1;
    });
}

QList<QWidget*> Form2::tabOrder() const {
    return {Drevant,   HScroll1, HScroll2,   MessageBox, ShowData,
            DataGraph, Start,    ExportData, Restart,    BeginAgain};
}

void Form2::showCurvePoint(int point) {
    if (!holdsPoint(m_vars.VolLog, point) || !holdsPoint(m_vars.PhLog, point)) {
        DataGraph->showPoint(-1, {});
        return;
    }
    const MarkerPosition marker = markerPosition(m_vars.VolLog[point].number().toDouble(),
                                                 m_vars.PhLog[point].number().toDouble());
    DataGraph->showPoint(point - 1, QPoint(marker.x, marker.y));
}

void Form2::showSaved(const QString& line) {
    handle([this, &line] { m_bench->showSaved(line); }, MessageBox);
}

QWidget* Form2::firstEnabledControl(const QList<const QWidget*>& leaving) const {
    for (QWidget* w : tabOrder())
        if (!leaving.contains(w) && w->isEnabled() && w->focusPolicy() != Qt::NoFocus)
            return w;
    return nullptr;
}

template <typename Handler> void Form2::handle(Handler handler, QWidget* writer) {
    handler();
    if (writer || MessageBox->printedText().isEmpty())
        m_panelWriter = writer;
    showControls();
    m_drain->follow();
}

void Form2::showControls() {
    const BenchControls& c = m_bench->controls();
    const std::pair<QWidget*, bool> states[] = {
        {Start, c.startEnabled},           {Drevant, c.drevantEnabled},
        {Restart, c.restartEnabled},       {ExportData, c.exportEnabled},
        {HScroll1, c.scrollBarsEnabled},   {HScroll2, c.scrollBarsEnabled},
        {BeginAgain, c.beginAgainEnabled}, {ShowData, c.showDataEnabled}};
    // The focus leaves a control that is about to be disabled for the first control in tab
    // order that stays enabled, before the control is disabled: Qt would otherwise pass it to
    // the next control in the chain, which may be one disabled a moment later, or "Begin Again
    // With New Titration", one key press away from losing the titration.
    QList<const QWidget*> disabling;
    for (const auto& [w, enabled] : states) {
        if (enabled)
            w->setEnabled(true);
        else
            disabling << w;
    }
    const QWidget* focused = focusWidget();
    if (focused && disabling.contains(focused) && focused->isEnabled())
        if (QWidget* next = firstEnabledControl(disabling))
            next->setFocus(Qt::OtherFocusReason);
    for (const auto& [w, enabled] : states)
        if (!enabled)
            w->setEnabled(false);
    ShowData->setText(c.showDataCaption);
    Label4->setText(c.label4);
    Label5->setText(c.label5);
    showAccessibleTexts();
}

void Form2::showAccessibleTexts() {
    const BenchControls& c = m_bench->controls();
    const QLocale locale = static_cast<const PrintTarget*>(MessageBox)->locale(); // as printed
    HScroll1->setAccessibleDescription(c.label4);
    HScroll2->setAccessibleDescription(c.label5);
    const QString panel = MessageBox->printedLines().join(u' ').simplified();
    const QString burette = buretteDescription(m_vars, c.startEnabled, c.drevantEnabled, locale);
    Drevant->setAccessibleDescription(m_panelWriter == Drevant ? burette + u' ' + panel : burette);
    ShowData->setAccessibleDescription(m_panelWriter == ShowData ? panel : QString());
    const std::vector<SpokenPoint> points = spokenPoints(m_vars, locale);
    QStringList rows;
    for (std::size_t i = 0; i < points.size(); ++i)
        rows << spokenPointRow(int(i) + 1, points[i]);
    DataGraph->setSpokenCurve(curveDescription(points), rows);
}

void Form2::mousePressEvent(QMouseEvent* event) {
    // A locked burette takes no press; Qt hands it to the window. Before Start, the release
    // says why (a tooltip shown at the press would go with the release).
    m_lockedPress = !Drevant->isEnabled() && m_bench->controls().startEnabled &&
                    Drevant->geometry().contains(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void Form2::mouseReleaseEvent(QMouseEvent* event) {
    if (std::exchange(m_lockedPress, false))
        QToolTip::showText(event->globalPosition().toPoint(), lockedBuretteTip(), Drevant);
    QWidget::mouseReleaseEvent(event);
}

QString Form2::lockedBuretteTip() {
    return tr("Press Start first.");
}

void Form2::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closedByUser();
}

} // namespace drevant
