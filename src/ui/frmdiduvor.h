#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "game/Columns.h"
#include "game/Table.h"
#include "ui/DesktopServices.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace torvane::ui {

class BetBox;
class ChartLine;
class frmabout;
class frmhelp;

// The main window: the table of numbers, the bet boxes, the history, the
// chart, the bank and increment, and the menus. It is the game table's view;
// every event reaches the table through the failure boundary.
class frmdiduvor : public QMainWindow, public TableView {
    Q_OBJECT
  public:
    explicit frmdiduvor(QWidget* parent = nullptr);
    ~frmdiduvor() override;

    Table& table() { return table_; }
    DesktopServices& services() { return services_; }
    frmabout* aboutWindow() const { return about_.get(); }
    frmhelp* helpWindow() const { return help_.get(); }
    int aboutLoads() const { return aboutLoads_; }

    // The window's own events.
    void Form_Load();
    void Form_Unload();

    // Controls.
    void cmdspin_Click();
    void cmdreset_Click();
    void cmdtransfer_Click();
    void cmddblup_Click();
    void cmddbldown_Click();
    void lblleft_MouseUp(int button, int shift, float x, float y);
    void lblmiddle_MouseUp(int button, int shift, float x, float y);
    void lblright_MouseUp(int button, int shift, float x, float y);

    // Menus.
    void exit_Click();
    void newgame_Click();
    void help_Click();
    void about_Click();
    void mailme_Click();
    void email_Click();

    // TableView.
    void setCaption(const std::string& title) override;
    std::string bankText() const override;
    void setBankText(const std::string& text) override;
    std::string betsText() const override;
    void setBetsText(const std::string& text) override;
    std::string stakeCaption(Box box) const override;
    void setStakeCaption(Box box, const std::string& caption) override;
    void setWinCaption(const std::string& caption) override;
    void setCellColour(int number, Rgb colour) override;
    int historyCount() const override;
    void addHistory(const std::string& line) override;
    void removeHistory(int index) override;
    void clearHistory() override;
    void setBarTop(Bar bar, float y2) override;

    static constexpr const char* kMailAddress = "mailto:winning-methods@example.org";
    static constexpr const char* kWebsite = "http://www.example.org/torvane/";

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildTable(QWidget* client);
    void buildControls(QWidget* client);
    void buildChart(QWidget* client);
    void buildMenus();
    void setTabOrderFromDesign();
    void loadAboutWindow();
    BetBox* betBox(Box box) const;

    DesktopServices services_;
    Table table_;

    std::array<QLabel*, kNumberCount> lbl0_{};
    BetBox* lblleft_ = nullptr;
    BetBox* lblmiddle_ = nullptr;
    BetBox* lblright_ = nullptr;
    QLabel* lblwin_ = nullptr;
    QListWidget* lsthistory_ = nullptr;
    QGroupBox* frmpopular_ = nullptr;
    std::array<ChartLine*, 4> lines_{};  // ln0, lnl, lnm, lnr
    QLineEdit* txtbank_ = nullptr;
    QLineEdit* txtbets_ = nullptr;
    QPushButton* cmdtransfer_ = nullptr;
    QPushButton* cmddbldown_ = nullptr;
    QPushButton* cmddblup_ = nullptr;
    QPushButton* cmdspin_ = nullptr;
    QPushButton* cmdreset_ = nullptr;

    std::unique_ptr<frmabout> about_;
    std::unique_ptr<frmhelp> help_;
    int aboutLoads_ = 0;
};

}  // namespace torvane::ui
