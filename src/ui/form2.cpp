// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include "ui/burettebutton.h"
#include "ui/commandbutton.h"
#include "ui/retainedsurface.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScrollBar>

namespace drevant {

namespace {

// Headings wrap onto two lines of a condensed face to fit their narrow places.
QFont headingFont() {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(10);
    return font;
}

QLabel* makeLabel(const QString& text, QWidget* parent, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setFont(headingFont());
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A label that shows a chosen value, on the system highlight-text colour.
QLabel* makeValueLabel(const QString& text, QWidget* parent, QRect geometry) {
    QLabel* label = makeLabel(text, parent, geometry);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::HighlightedText));
    label->setPalette(pal);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QScrollBar* makeScrollBar(QWidget* parent, QRect geometry, int min, int max, int value,
                          int largeChange) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setGeometry(geometry);
    bar->setRange(min, max);
    bar->setValue(value);
    bar->setPageStep(largeChange);
    bar->setSingleStep(1);
    bar->setTracking(false); // the value changes when a dragged thumb is released
    return bar;
}

} // namespace

QFont Form2::messagePanelFont() {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(10);
    return font;
}

Form2::Form2(DeclareVars& vars, Clock& clock, WindowHost& host) {
    setWindowTitle(QStringLiteral("Drevant"));
    setFixedSize(twipsToPixels(8235), twipsToPixels(8430));
    buildControls();
    m_bench = std::make_unique<TitrationBench>(vars, clock, *MessageBox, *DataGraph, host);
    handle([this] { m_bench->Form_Load(); });
}

Form2::~Form2() = default;

void Form2::buildControls() {
    Drevant = new BuretteButton(this);
    Drevant->setText(QStringLiteral("Press to Drevant"));
    Drevant->setGeometry(twipsRect(5160, 360, 2895, 8055));
    Label1 = makeLabel(QStringLiteral("Titrant Normality"), this, twipsRect(240, 240, 1215, 375));
    Label2 = makeLabel(QStringLiteral("Initial Sample Volume (mL)"), this,
                       twipsRect(1560, 120, 975, 375));
    HScroll1 = makeScrollBar(this, twipsRect(360, 840, 975, 255), NormalityScrollMin,
                             NormalityScrollMax, NormalityScrollStart, 10);
    Label4 = makeValueLabel(QString(), this, twipsRect(360, 600, 975, 255));
    Label5 = makeValueLabel(QString(), this, twipsRect(1560, 600, 975, 255));
    HScroll2 = makeScrollBar(this, twipsRect(1560, 840, 975, 255), VolumeScrollMin,
                             VolumeScrollMax, VolumeScrollStart, 100);
    MessageBox = new RetainedSurface(this);
    MessageBox->setGeometry(twipsRect(240, 1200, 2895, 1815));
    MessageBox->setSurfaceFont(messagePanelFont());
    ShowData = new CommandButton(QStringLiteral("Show Data"), this);
    ShowData->setGeometry(twipsRect(240, 3000, 2895, 375));
    DataGraph = new RetainedSurface(this);
    DataGraph->setGeometry(twipsRect(120, 3360, 5000, 5000));
    Start = new CommandButton(QStringLiteral("Start"), this);
    Start->setGeometry(twipsRect(3240, 480, 1815, 615));
    ExportData = new CommandButton(QStringLiteral("Export Data"), this);
    ExportData->setGeometry(twipsRect(3240, 1200, 1815, 615));
    Restart = new CommandButton(QStringLiteral("Start Titration Over"), this);
    Restart->setGeometry(twipsRect(3240, 1920, 1815, 615));
    BeginAgain = new CommandButton(QStringLiteral("Begin Again With New Titration"), this);
    BeginAgain->setGeometry(twipsRect(3240, 2640, 1815, 615));

    for (QPushButton* b : {ShowData, Start, ExportData, Restart, BeginAgain})
        b->setAutoDefault(false);
    setTabOrder(Drevant, HScroll1);
    setTabOrder(HScroll1, HScroll2);
    setTabOrder(HScroll2, ShowData);
    setTabOrder(ShowData, Start);
    setTabOrder(Start, ExportData);
    setTabOrder(ExportData, Restart);
    setTabOrder(Restart, BeginAgain);

    connect(HScroll1, &QScrollBar::valueChanged, this,
            [this](int v) { handle([this, v] { m_bench->HScroll1_Change(v); }); });
    connect(HScroll2, &QScrollBar::valueChanged, this,
            [this](int v) { handle([this, v] { m_bench->HScroll2_Change(v); }); });
    connect(Start, &QPushButton::clicked, this, [this] { handle([this] { m_bench->Start_Click(); }); });
    connect(Restart, &QPushButton::clicked, this,
            [this] { handle([this] { m_bench->Restart_Click(); }); });
    connect(ShowData, &QPushButton::clicked, this,
            [this] { handle([this] { m_bench->ShowData_Click(); }); });
    connect(ExportData, &QPushButton::clicked, this,
            [this] { handle([this] { m_bench->ExportData_Click(); }); });
    // Begin Again unloads this window: nothing of it may be touched afterwards.
    connect(BeginAgain, &QPushButton::clicked, this, [this] { m_bench->BeginAgain_Click(); });
    connect(Drevant, &QAbstractButton::pressed, this,
            [this] { handle([this] { m_bench->Drevant_MouseDown(); }); });
    connect(Drevant, &QAbstractButton::released, this,
            [this] { handle([this] { m_bench->Drevant_MouseUp(); }); });
}

template <typename Handler> void Form2::handle(Handler handler) {
    handler();
    showControls();
}

void Form2::showControls() {
    const BenchControls& c = m_bench->controls();
    Start->setEnabled(c.startEnabled);
    Drevant->setEnabled(c.drevantEnabled);
    Restart->setEnabled(c.restartEnabled);
    ExportData->setEnabled(c.exportEnabled);
    HScroll1->setEnabled(c.scrollBarsEnabled);
    HScroll2->setEnabled(c.scrollBarsEnabled);
    BeginAgain->setEnabled(c.beginAgainEnabled);
    ShowData->setEnabled(c.showDataEnabled);
    ShowData->setText(c.showDataCaption);
    Label4->setText(c.label4);
    Label5->setText(c.label5);
}

void Form2::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closedByUser();
}

} // namespace drevant
