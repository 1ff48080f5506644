#include "ui/HelpPage.h"

#include "ui/ControlCaptions.h"
#include "ui/WindowSession.h"

#include <QLabel>

namespace {

enum class Style { Plain, Heading, Title };

struct HelpLine {
    const char *name;
    int x;
    int y;
    const char *text; // the design text; the caption sets write the language's
    Style style;
};

constexpr HelpLine kLines[] = {
    {"lblHelpHeader", 176, 0, "Designed for teaching purposes only", Style::Title},
    {"lblHelpGeneral", 16, 32, "General :", Style::Heading},
    {"lblHelp1", 16, 48,
     "Type in your value into the textfield or use the up/down arrows, then repeat this in the next text field.",
     Style::Plain},
    {"lblHelp2", 16, 64, "Click the Analyze button", Style::Plain},
    {"lblHelp3", 16, 88, "All fields are required except age. If age is entered, hypoxemia will age corrected",
     Style::Plain},
    {"lblABGTeacher", 16, 112, "ABG Teacher :", Style::Heading},
    {"lblGenerate", 16, 128, "1. Generate an ABG", Style::Plain},
    {"lblChose", 16, 144, "2. Choose your assessment from the given choices", Style::Plain},
    {"lblAnalyze", 16, 160, "3. Click the Analyze button", Style::Plain},
    {"lblSuccessRate", 16, 176, "4. Succes rate is kept with each generated ABG", Style::Plain},
};

} // namespace

HelpPage::HelpPage(PageContext &context, QWidget *parent) : PageWidget(context, parent)
{
    for (const HelpLine &line : kLines) {
        auto *label = new QLabel(QString::fromUtf8(line.text), this);
        label->setObjectName(QString::fromLatin1(line.name));
        if (line.style != Style::Plain) {
            QFont font = label->font();
            font.setBold(true);
            font.setUnderline(true);
            if (line.style == Style::Title)
                font.setPixelSize(16);
            label->setFont(font);
        }
        label->move(line.x, line.y);
    }
    auto *stats =
        new QLabel(QStringLiteral("5. Detailed statistics are kept on each ABG, Click Statistics to view"), this);
    stats->setObjectName(QStringLiteral("lblStats"));
    stats->setWordWrap(true);
    stats->setGeometry(16, 192, 593, 33);
}

void HelpPage::retranslate()
{
    if (const std::optional<bool> french = session().frenchCaptions())
        writeCaptionSet(*this, *french);
}
