#pragma once

// The main window TfrmMain: the title strip, the side bar, the input panel over
// the page stack of the details area, and the status line. It reads the input
// fields, asks the engine, and shows what the engine found.

#include <QMainWindow>

#include <memory>
#include <utility>
#include <vector>

class AbgInputPanel;
class IndexedAction;
class ImageList;
class MessageBoxes;
class QLabel;
class QStackedWidget;
class SideBar;

namespace halvex {
class TABG;
}

class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TfrmMain(MessageBoxes &boxes, QWidget *parent = nullptr);
    ~TfrmMain() override;

    AbgInputPanel *inputPanel() const { return m_input; }
    QStackedWidget *pcABGDetails() const { return m_pages; }
    QLabel *statusLine() const { return m_statusLine; }
    halvex::TABG &generator() const { return *m_abg; }

    void btnAnalyzeClick();
    void btnClearClick();
    // Lets a pH be typed without its point: 735, 7350 and 73500 all read as 7.35.
    void edtPhExit();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildSideBar();
    QWidget *buildDetailsArea(QWidget *parent);
    void FormShow();
    // FormKeyPress: Enter moves to the next control, as Tab does.
    bool FormKeyPress(QKeyEvent *event);
    void switchPage(QWidget *page);
    void alBarABGHelpExecute();

    // Teacher mode's part of Analyze.
    bool AnyCategoryTicked() const;
    void ScoreTeacherAnswer();

    MessageBoxes &m_boxes;
    std::unique_ptr<halvex::TABG> m_abg;
    std::unique_ptr<ImageList> m_images;
    AbgInputPanel *m_input = nullptr;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_statusLine = nullptr;
    SideBar *m_sideBar = nullptr;
    std::vector<std::pair<IndexedAction *, QWidget *>> m_pageActions;
    bool m_shown = false;
    bool m_awaitingAnalysis = false;
};
