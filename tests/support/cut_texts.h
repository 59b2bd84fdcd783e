#pragma once
// Finds the texts of a shown window that do not show whole: labels, buttons, column headers,
// group titles and the items of drop-down lists, each measured against the room its widget
// gives it and the room its parents leave. A scroll area may hide a text by scrolling it up or
// down, never by cutting it at the side.
#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QToolButton>

namespace cut_texts_detail {

inline QString describe(const QWidget &widget, const QString &text)
{
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(widget.objectName().isEmpty() ? QString::fromUtf8(widget.metaObject()->className())
                                           : widget.objectName(),
             text, widget.window()->objectName());
}

// The part of `rect` (in the widget's coordinates) that the widget's parents leave visible, in
// the coordinates of the widget. Within a scroll area, what lies above or below the viewport
// is only scrolled away.
inline QRect visiblePart(const QWidget &widget, QRect rect)
{
    QPoint offset; // of `widget` within the current ancestor
    bool scrolled = false;
    const QWidget *child = &widget;
    for (const QWidget *parent = widget.parentWidget(); parent && !child->isWindow();
         child = parent, parent = parent->parentWidget()) {
        offset += child->pos();
        const auto *scroll = qobject_cast<const QAbstractScrollArea *>(parent->parentWidget());
        scrolled = scrolled || (scroll && scroll->viewport() == parent);
        QRect room = parent->rect().translated(-offset);
        if (scrolled)
            room = QRect(room.left(), rect.top(), room.width(), rect.height());
        rect &= room;
    }
    return rect;
}

// A text that needs `needed` within `room` of the widget: cut when the room is smaller or the
// parents hide part of it.
inline bool fits(const QWidget &widget, const QSize &needed, const QRect &room, Qt::Alignment alignment)
{
    if (needed.width() > room.width() || needed.height() > room.height())
        return false;
    const QRect text = QStyle::alignedRect(widget.layoutDirection(), alignment, needed, room);
    return visiblePart(widget, text) == text;
}

inline QSize textSize(const QWidget &widget, const QString &text)
{
    return widget.fontMetrics().size(Qt::TextShowMnemonic, text);
}

inline bool labelFits(const QLabel &label)
{
    if (label.wordWrap() || label.textFormat() == Qt::RichText ||
        (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()))) {
        // A wrapped text needs its longest word across and its lines down.
        const int height = label.heightForWidth(label.width());
        const QSize needed(label.minimumSizeHint().width(), height < 0 ? label.sizeHint().height() : height);
        return fits(label, needed, label.rect(), Qt::AlignLeft | Qt::AlignTop);
    }
    return fits(label, label.sizeHint(), label.rect(), label.alignment());
}

inline bool buttonFits(const QAbstractButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    QSize needed = textSize(button, button.text());
    if (!button.icon().isNull())
        needed.rwidth() += button.iconSize().width() + 4;
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(&button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(&button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QToolButton *>(&button))
        return fits(button, button.sizeHint(), button.rect(), Qt::AlignCenter);
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    const Qt::Alignment alignment =
        contents == QStyle::SE_PushButtonContents ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
    return fits(button, needed, room, alignment);
}

inline bool groupTitleFits(const QGroupBox &box)
{
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box.isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (box.isFlat())
        option.features |= QStyleOptionFrame::Flat;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    return fits(box, textSize(box, box.title()), label, Qt::AlignCenter) && box.rect().contains(label);
}

// Every item of a fixed list fits its field: the user may pick any.
inline QStringList cutItems(const QComboBox &list)
{
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = false;
    option.frame = list.hasFrame();
    const QRect field =
        list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list);
    QStringList cut;
    for (int i = 0; i < list.count(); ++i) {
        const QString item = list.itemText(i);
        const QSize needed(list.fontMetrics().horizontalAdvance(item), list.fontMetrics().height());
        if (!fits(list, needed, field, Qt::AlignLeft | Qt::AlignVCenter))
            cut.append(describe(list, item));
    }
    return cut;
}

// Every section is wide enough for its caption and a sort mark; with `whole`, it also lies
// within the view, else the view may scroll to it.
inline QStringList cutSections(const QHeaderView &header, bool whole = false)
{
    QStringList cut;
    const QAbstractItemModel *model = header.model();
    if (!model)
        return cut;
    const int room =
        header.orientation() == Qt::Horizontal ? header.viewport()->width() : header.viewport()->height();
    for (int section = 0; section < header.count(); ++section) {
        if (header.isSectionHidden(section))
            continue;
        const int needed = header.sectionSizeHint(section);
        const int start = header.sectionViewportPosition(section);
        if (header.sectionSize(section) < needed || (whole && (start < 0 || start + needed > room)))
            cut.append(describe(header, model->headerData(section, header.orientation()).toString()));
    }
    return cut;
}

} // namespace cut_texts_detail

// The texts of the window's visible widgets that are cut, described for a failure message.
inline QStringList cutTexts(const QWidget &window)
{
    using namespace cut_texts_detail;
    QStringList cut;
    const auto shown = [&window](const QWidget *widget) { return widget->isVisibleTo(&window); };
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (shown(label) && !label->text().isEmpty() && !labelFits(*label))
            cut.append(describe(*label, label->text()));
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        if (shown(button) && !button->text().isEmpty() && !buttonFits(*button))
            cut.append(describe(*button, button->text()));
    for (const QGroupBox *box : window.findChildren<QGroupBox *>())
        if (shown(box) && !box->title().isEmpty() && !groupTitleFits(*box))
            cut.append(describe(*box, box->title()));
    for (const QComboBox *list : window.findChildren<QComboBox *>())
        if (shown(list) && !list->isEditable())
            cut += cutItems(*list);
    for (const QHeaderView *header : window.findChildren<QHeaderView *>())
        if (shown(header))
            cut += cutSections(*header);
    return cut;
}
