#include "ui/frmdiduvor.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRegularExpressionValidator>

#include "ui/Controls.h"
#include "ui/Design.h"
#include "ui/frmabout.h"
#include "ui/frmhelp.h"

namespace torvane::ui {
namespace {

constexpr Rgb kBlack{0, 0, 0};

// Gives a label its designed font, text alignment, border and colours.
// Auto-size labels follow their text from a fixed top-left corner.
template <class Label = QLabel>
Label* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                 const QFont& font, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop,
                 bool autoSize = false) {
    auto* label = new Label(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(align);
    label->setGeometry(geometry);
    label->setAutoFillBackground(true);
    if (autoSize) label->adjustSize();
    return label;
}

void setColours(QWidget* widget, Rgb text, Rgb background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, qColor(text));
    palette.setColor(QPalette::Window, qColor(background));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, Rgb text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, qColor(text));
    widget->setPalette(palette);
}

QString cellDescription(int number, bool drawn) {
    return drawn
               ? QString("Number %1, drawn by the last spin. Clicking it does nothing.").arg(number)
               : QString("Number %1 on the table. Clicking it does nothing.").arg(number);
}

}  // namespace

frmdiduvor::frmdiduvor(QWidget* parent)
    : QMainWindow(parent), services_(this), table_(*this, services_) {
    setObjectName("frmdiduvor");
    setWindowTitle("  ");
    setWindowIcon(QIcon(":/pictures/sunglasses.svg"));
    setFont(windowFont());

    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);
    buildTable(client);
    buildControls(client);
    buildChart(client);
    buildMenus();
    setTabOrderFromDesign();
    cmdspin_->setFocus();

    services_.aboutLoader = [this] { loadAboutWindow(); };
    resize(px(5550), px(7020) + menuBar()->sizeHint().height());
}

frmdiduvor::~frmdiduvor() = default;

void frmdiduvor::buildTable(QWidget* client) {
    const QFont cellFont = designFont("MS Sans Serif", 13.5, true);
    for (int n = 0; n < kNumberCount; ++n) {
        const QRect cell =
            n == 0 ? twipsRect(120, 120, 1425, 465)
                   : twipsRect(120 + 480 * ((n - 1) % 3), 600 + 480 * ((n - 1) / 3), 465, 465);
        const QByteArray name = "lbl0_" + QByteArray::number(n);
        QLabel* label = makeLabel(client, name.constData(), QString::number(n), cell, cellFont,
                                  Qt::AlignCenter);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        setColours(label, kBlack, kCellDarkGreen);
        label->setAccessibleDescription(cellDescription(n, false));
        lbl0_[static_cast<std::size_t>(n)] = label;
    }

    const QFont boxFont = designFont("MS Sans Serif", 8.25, true);
    const struct {
        BetBox** box;
        const char* name;
        int left;
        const char* column;
        void (frmdiduvor::*handler)(int, int, float, float);
    } boxes[] = {{&lblleft_, "lblleft", 120, "Left", &frmdiduvor::lblleft_MouseUp},
                 {&lblmiddle_, "lblmiddle", 600, "Middle", &frmdiduvor::lblmiddle_MouseUp},
                 {&lblright_, "lblright", 1080, "Right", &frmdiduvor::lblright_MouseUp}};
    for (const auto& b : boxes) {
        auto* box = makeLabel<BetBox>(client, b.name, "0", twipsRect(b.left, 6360, 465, 525),
                                      boxFont, Qt::AlignCenter);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setStyleSheet(
            "QLabel { background-color: rgb(0, 128, 0); color: white;"
            " border: 1px solid black; }");
        box->setAccessibleDescription(
            QString("%1 column stake. Left click places one bet increment from the bank; right "
                    "click takes it back.")
                .arg(b.column));
        connect(box, &BetBox::mouseUp, this, b.handler);
        *b.box = box;
    }
}

void frmdiduvor::buildControls(QWidget* client) {
    makeLabel(client, "lblspin", "Spin History", twipsRect(2460, -30, 2130, 435),
              designFont("MS Sans Serif", 18, true), Qt::AlignLeft | Qt::AlignTop, true);

    lsthistory_ = new QListWidget(client);
    lsthistory_->setObjectName("lsthistory");
    lsthistory_->setGeometry(twipsRect(1860, 630, 1755, 2460));
    lsthistory_->setFont(designFont("MS Sans Serif", 9.75, true));
    lsthistory_->setStyleSheet("QListWidget { background-color: black; color: red; }");
    lsthistory_->setAccessibleName("Spin history");
    lsthistory_->setAccessibleDescription("The last ten spins: spin number and number drawn.");

    QLabel* label4 = makeLabel(client, "Label4", "WINNINGS", twipsRect(2910, 3360, 1185, 240),
                               designFont("MS Sans Serif", 9.75, true), Qt::AlignCenter, true);
    setTextColour(label4, kBlack);
    lblwin_ = makeLabel(client, "lblwin", "", twipsRect(3450, 3630, 120, 360),
                        designFont("MS Sans Serif", 13.5, true), Qt::AlignCenter, false);
    setTextColour(lblwin_, kBlack);
    lblwin_->setAccessibleDescription("Winnings not yet in the bank");

    makeLabel(client, "Label3", "Money in the bank", twipsRect(1650, 4500, 1335, 255),
              windowFont());
    txtbank_ = new QLineEdit("1000", client);
    txtbank_->setObjectName("txtbank");
    txtbank_->setGeometry(twipsRect(3060, 4470, 795, 315));
    txtbank_->setAccessibleName("Money in the bank");

    auto* transfer = new CaptionButton("Transfer winnings to bank.", client);
    transfer->setObjectName("cmdtransfer");
    transfer->setGeometry(twipsRect(3990, 4365, 1425, 525));
    cmdtransfer_ = transfer;

    makeLabel(client, "Label1", "Bet increment.", twipsRect(1650, 5355, 1035, 225), windowFont());
    makeLabel(client, "Label2", "R", twipsRect(2760, 5325, 195, 285),
              designFont("MS Sans Serif", 12, true));
    txtbets_ = new QLineEdit("25", client);
    txtbets_->setObjectName("txtbets");
    txtbets_->setGeometry(twipsRect(3000, 5325, 495, 285));
    // Typing is limited to four characters; the game may still write longer values.
    txtbets_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("(?s).{0,4}"), txtbets_));
    txtbets_->setAccessibleName("Bet increment");

    const struct {
        QPushButton** button;
        const char* name;
        int left;
        const char* picture;
        const char* accessible;
    } arrows[] = {
        {&cmddbldown_, "cmddbldown", 3870, ":/pictures/arrow-down.svg", "Halve the bet increment"},
        {&cmddblup_, "cmddblup", 4710, ":/pictures/arrow-up.svg", "Double the bet increment"}};
    for (const auto& a : arrows) {
        auto* button = new QPushButton(client);
        button->setObjectName(a.name);
        button->setGeometry(twipsRect(a.left, 5190, 555, 555));
        button->setIcon(QIcon(a.picture));
        button->setIconSize(QSize(32, 32));
        button->setAccessibleName(a.accessible);
        *a.button = button;
    }

    auto* spin = new CaptionButton("SPIN", client);
    spin->setObjectName("cmdspin");
    spin->setGeometry(twipsRect(2340, 6150, 1035, 525));
    spin->setAccessibleDescription("Draws a number and settles the stakes");
    cmdspin_ = spin;
    auto* reset = new CaptionButton("New Game", client);
    reset->setObjectName("cmdreset");
    reset->setGeometry(twipsRect(3900, 6150, 1035, 525));
    reset->setAccessibleDescription("Restores the starting bank and clears the table");
    cmdreset_ = reset;
    cmdtransfer_->setAccessibleName("Transfer winnings to bank");

    for (QPushButton* b : {cmdtransfer_, cmddbldown_, cmddblup_, cmdspin_, cmdreset_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(cmdspin_, &QPushButton::clicked, this, &frmdiduvor::cmdspin_Click);
    connect(cmdreset_, &QPushButton::clicked, this, &frmdiduvor::cmdreset_Click);
    connect(cmdtransfer_, &QPushButton::clicked, this, &frmdiduvor::cmdtransfer_Click);
    connect(cmddblup_, &QPushButton::clicked, this, &frmdiduvor::cmddblup_Click);
    connect(cmddbldown_, &QPushButton::clicked, this, &frmdiduvor::cmddbldown_Click);
}

void frmdiduvor::buildChart(QWidget* client) {
    frmpopular_ = new CaptionFrame("Most Popular Row", qColor(kLightGreen), Qt::black, client);
    frmpopular_->setObjectName("frmpopular");
    frmpopular_->setGeometry(twipsRect(3870, 540, 1515, 2535));
    frmpopular_->setFont(windowFont());
    frmpopular_->setAccessibleDescription(
        "How often zero and each column came up in the current window of 50 spins");

    // ln0, lnl, lnm, lnr: Bar order, fixed lower end at 1950, designed top at 420.
    const struct {
        const char* name;
        int x;
        int width;
    } lines[] = {{"ln0", 1230, 3}, {"lnl", 300, 4}, {"lnm", 585, 4}, {"lnr", 900, 4}};
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        lines_[i] = new ChartLine(frmpopular_, lines[i].x, 1950, 420, lines[i].width);
        lines_[i]->setObjectName(lines[i].name);
    }

    const struct {
        const char* name;
        const char* text;
        QRect geometry;
        double points;
    } captions[] = {{"Label5", "L", twipsRect(240, 2070, 135, 240), 9.75},
                    {"Label6", "M", twipsRect(510, 2070, 195, 240), 9.75},
                    {"Label7", "R", twipsRect(840, 2070, 180, 240), 9.75},
                    {"Label8", "0", twipsRect(1170, 2040, 165, 300), 12}};
    for (const auto& c : captions) {
        QLabel* label = makeLabel(frmpopular_, c.name, c.text, c.geometry,
                                  designFont("MS Sans Serif", c.points, true),
                                  Qt::AlignLeft | Qt::AlignTop, true);
        label->setStyleSheet("QLabel { color: rgb(128, 255, 128); background-color: black; }");
        label->adjustSize();
    }
}

void frmdiduvor::buildMenus() {
    QMenuBar* bar = menuBar();
    const auto addMenu = [bar](const char* name, const char* title) {
        QMenu* menu = bar->addMenu(title);
        menu->setObjectName(name);
        return menu;
    };
    const auto addItem = [this](QMenu* menu, const char* name, const char* caption,
                                void (frmdiduvor::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    QMenu* file = addMenu("file", "File");
    addItem(file, "exit", "&Exit", &frmdiduvor::exit_Click);
    QMenu* view = addMenu("view", "View");
    addItem(view, "newgame", "New Game", &frmdiduvor::newgame_Click);
    QMenu* hlep = addMenu("hlep", "Help");
    addItem(hlep, "help", "&Help", &frmdiduvor::help_Click);
    addItem(hlep, "about", "&About", &frmdiduvor::about_Click);
    hlep->addSeparator()->setObjectName("bar");
    addItem(hlep, "mailme", "Mail me your winning method.", &frmdiduvor::mailme_Click);
    addItem(hlep, "email", "My website", &frmdiduvor::email_Click);
}

// Only these take the keyboard focus, in the designed order; labels, the
// frame and the lines never do.
void frmdiduvor::setTabOrderFromDesign() {
    QWidget* const chain[] = {cmdspin_,     txtbets_,    cmdreset_, txtbank_,
                              cmdtransfer_, lsthistory_, cmddblup_, cmddbldown_};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) setTabOrder(chain[i], chain[i + 1]);
}

// --- the window's own events -------------------------------------------------

void frmdiduvor::Form_Load() {
    table_.fire("Starting the table", [this] { table_.Form_Load(); });
}

void frmdiduvor::loadAboutWindow() {
    if (about_) return;
    about_ = std::make_unique<frmabout>(this);  // runs its load handler
    ++aboutLoads_;
}

// Unloads the About and help windows if they are loaded; the main window
// then closes and, with no window left, the process ends.
void frmdiduvor::Form_Unload() {
    // A window shown modally is closed, and unloaded where it was shown.
    if (about_ && about_->isVisible()) about_->done(QDialog::Rejected);
    if (help_ && help_->isVisible()) help_->done(QDialog::Rejected);
    if (about_ && !about_->isVisible()) about_.reset();
    if (help_ && !help_->isVisible()) help_.reset();
}

void frmdiduvor::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

// --- controls ----------------------------------------------------------------

void frmdiduvor::cmdspin_Click() {
    table_.fire("The spin", [this] { table_.cmdspin_Click(); });
}
void frmdiduvor::cmdreset_Click() {
    table_.fire("The new game", [this] { table_.cmdreset_Click(); });
}
void frmdiduvor::cmdtransfer_Click() {
    table_.fire("The transfer of winnings", [this] { table_.cmdtransfer_Click(); });
}
void frmdiduvor::cmddblup_Click() {
    table_.fire("Doubling the increment", [this] { table_.cmddblup_Click(); });
}
void frmdiduvor::cmddbldown_Click() {
    table_.fire("Halving the increment", [this] { table_.cmddbldown_Click(); });
}
void frmdiduvor::lblleft_MouseUp(int button, int shift, float x, float y) {
    table_.fire("The bet", [&] {
        table_.lblleft_MouseUp(static_cast<Amount>(button), static_cast<Amount>(shift), x, y);
    });
}
void frmdiduvor::lblmiddle_MouseUp(int button, int shift, float x, float y) {
    table_.fire("The bet", [&] {
        table_.lblmiddle_MouseUp(static_cast<Amount>(button), static_cast<Amount>(shift), x, y);
    });
}
void frmdiduvor::lblright_MouseUp(int button, int shift, float x, float y) {
    table_.fire("The bet", [&] {
        table_.lblright_MouseUp(static_cast<Amount>(button), static_cast<Amount>(shift), x, y);
    });
}

// --- menus -------------------------------------------------------------------

void frmdiduvor::exit_Click() {
    close();
}

void frmdiduvor::newgame_Click() {
    table_.fire("The new game", [this] { table_.newgame_Click(); });
}

void frmdiduvor::help_Click() {
    help_ = std::make_unique<frmhelp>(this);  // built afresh, with its text
    help_->exec();
    help_.reset();
}

void frmdiduvor::about_Click() {
    loadAboutWindow();
    about_->exec();
    about_.reset();  // unloaded: the next showing loads it again
}

void frmdiduvor::mailme_Click() {
    services_.openUrl(QUrl(kMailAddress));
}
void frmdiduvor::email_Click() {
    services_.openUrl(QUrl(kWebsite));
}

// --- the game table's view ---------------------------------------------------

void frmdiduvor::setCaption(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}
std::string frmdiduvor::bankText() const {
    return txtbank_->text().toStdString();
}
void frmdiduvor::setBankText(const std::string& text) {
    txtbank_->setText(QString::fromStdString(text));
}
std::string frmdiduvor::betsText() const {
    return txtbets_->text().toStdString();
}
void frmdiduvor::setBetsText(const std::string& text) {
    txtbets_->setText(QString::fromStdString(text));
}

BetBox* frmdiduvor::betBox(Box box) const {
    switch (box) {
        case Box::Left:
            return lblleft_;
        case Box::Middle:
            return lblmiddle_;
        case Box::Right:
            break;
    }
    return lblright_;
}
std::string frmdiduvor::stakeCaption(Box box) const {
    return betBox(box)->text().toStdString();
}
void frmdiduvor::setStakeCaption(Box box, const std::string& caption) {
    betBox(box)->setText(QString::fromStdString(caption));
}

void frmdiduvor::setWinCaption(const std::string& caption) {
    lblwin_->setText(QString::fromStdString(caption));
    lblwin_->adjustSize();  // grows to the right from its left edge
}

void frmdiduvor::setCellColour(int number, Rgb colour) {
    QLabel* cell = lbl0_.at(static_cast<std::size_t>(number));
    setColours(cell, kBlack, colour);
    cell->setAccessibleDescription(cellDescription(number, colour == kCellBrightGreen));
}

int frmdiduvor::historyCount() const {
    return lsthistory_->count();
}
void frmdiduvor::addHistory(const std::string& line) {
    lsthistory_->addItem(QString::fromStdString(line));
}
void frmdiduvor::removeHistory(int index) {
    delete lsthistory_->takeItem(index);
}
void frmdiduvor::clearHistory() {
    lsthistory_->clear();
}

void frmdiduvor::setBarTop(Bar bar, float y2) {
    lines_[static_cast<std::size_t>(bar)]->setY2(y2);
}

}  // namespace torvane::ui
