#include "ui/HelpWindow.h"

#include "widgets/Contrast.h"
#include "widgets/QuietListWidget.h"

#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>

#include <vector>

namespace {

constexpr int kAnchorRole = Qt::UserRole;

QString unreadable(const QString &path, const QString &reason)
{
    return QStringLiteral("<h2>The help cannot be shown</h2><p>The help file <b>%1</b> %2.</p>"
                          "<p>Please re-install Halvex to restore it.</p>")
        .arg(path.toHtmlEscaped(), reason.toHtmlEscaped());
}

// The book's colours are chosen for white paper, as a browser shows it: on the
// palette's background each becomes the nearest shade of its hue that reads there.
void makeReadable(QTextDocument &document, const QColor &background)
{
    struct Run {
        int start;
        int end;
        QColor colour;
    };
    std::vector<Run> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QBrush foreground = fragment.charFormat().foreground();
            if (foreground.style() == Qt::NoBrush)
                continue;
            const QColor readable = readableOn(foreground.color(), background);
            if (readable != foreground.color())
                runs.push_back({fragment.position(), fragment.position() + fragment.length(), readable});
        }
    }
    // Changed once read: a change may split the fragments being walked.
    QTextCursor cursor(&document);
    for (const Run &run : runs) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.end, QTextCursor::KeepAnchor);
        QTextCharFormat colour;
        colour.setForeground(run.colour);
        cursor.mergeCharFormat(colour);
    }
}

} // namespace

HelpWindow::HelpWindow(QWidget *owner)
    : QMainWindow(owner)
    , m_contents(new QuietListWidget(this))
    , m_text(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Halvex Help"));
    resize(820, 600);
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setAccessibleName(QStringLiteral("Contents"));
    m_text->setObjectName(QStringLiteral("helpText"));
    m_text->setAccessibleName(QStringLiteral("Help text"));
    m_text->setOpenExternalLinks(true); // web and mail links go to the desktop; the book's own stay here

    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_text);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 620});
    setCentralWidget(splitter);
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    connect(m_contents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { m_text->scrollToAnchor(item->data(kAnchorRole).toString()); });
    connect(m_contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { m_text->scrollToAnchor(item->data(kAnchorRole).toString()); });
}

void HelpWindow::showBook(const QString &path)
{
    m_contents->clear();
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        m_text->setHtml(unreadable(path, QStringLiteral("is missing")));
    } else if (!file.open(QIODevice::ReadOnly)) {
        m_text->setHtml(unreadable(path, QStringLiteral("cannot be read: ") + file.errorString()));
    } else {
        const QString html = QString::fromUtf8(file.readAll());
        m_text->setSearchPaths({QFileInfo(path).absolutePath()});
        m_text->document()->setBaseUrl(QUrl::fromLocalFile(path));
        m_text->setHtml(html);
        makeReadable(*m_text->document(), m_text->palette().color(QPalette::Base));
        // The contents: every section heading that carries an anchor.
        static const QRegularExpression heading(QStringLiteral(R"re(<h2 id="([^"]+)">(.*?)</h2>)re"));
        for (auto match = heading.globalMatch(html); match.hasNext();) {
            const QRegularExpressionMatch section = match.next();
            auto *item = new QListWidgetItem(section.captured(2), m_contents);
            item->setData(kAnchorRole, section.captured(1));
        }
    }
    m_text->moveCursor(QTextCursor::Start);
    m_text->ensureCursorVisible();
    show();
    raise();
    activateWindow();
}
