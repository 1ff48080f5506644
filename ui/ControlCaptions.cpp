#include "ui/ControlCaptions.h"

#include "language/CaptionSets.h"
#include "widgets/ClickableLabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>

ControlCaptions::ControlCaptions(const QObject &root, const QObject *skip)
{
    const auto below = [skip](const QObject *object) {
        for (; object; object = object->parent()) {
            if (object == skip)
                return true;
        }
        return false;
    };
    for (QObject *child : root.findChildren<QObject *>()) {
        if (!child->objectName().isEmpty() && !(skip && below(child)))
            m_controls.insert(child->objectName(), child);
    }
}

void writeCaptionSet(const QObject &root, bool french, const QObject *skip)
{
    const ControlCaptions controls(root, skip);
    for (const halvex::Caption &caption : halvex::captionSets()) {
        const std::string_view text = french ? caption.french : caption.english;
        const QString control = QString::fromLatin1(caption.control.data(), qsizetype(caption.control.size()));
        controls.set(control, QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
}

namespace {

// A label placed by hand, not by a layout, takes the size of its new text,
// unless it was given a fixed room for every text it shows.
void fitPlacedByHand(QWidget *label)
{
    const QWidget *parent = label->parentWidget();
    const bool fixedRoom = label->minimumSize() == label->maximumSize();
    if (!fixedRoom && parent && !parent->layout())
        label->adjustSize();
}

} // namespace

void ControlCaptions::set(const QString &control, const QString &text) const
{
    QObject *found = m_controls.value(control);
    if (auto *label = qobject_cast<QLabel *>(found)) {
        label->setText(text);
        if (!label->wordWrap())
            fitPlacedByHand(label);
        return;
    }
    if (auto *link = qobject_cast<ClickableLabel *>(found)) {
        link->setText(text);
        fitPlacedByHand(link);
        return;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(found)) {
        button->setText(text);
        return;
    }
    if (auto *action = qobject_cast<QAction *>(found))
        action->setText(text);
}
