#include "WidgetProjection.h"

#include <algorithm>

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "QtColours.h"
#include "Twips.h"
#include "TypingLengthLimit.h"
#include "UpDownSpinner.h"
#include "ValueBoxEdit.h"

namespace velk {
namespace {

// A spinner stands at the right end of its text box, inside the control's width.
constexpr int SpinnerWidth = 17;

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

uint64_t KeyOf(WidgetId id)
{
    return static_cast<uint64_t>(id.array) << 32 | static_cast<uint32_t>(id.index);
}

void SetPaletteColour(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles, const QColor& colour)
{
    QPalette palette = widget.palette();
    bool changed = false;
    for (const auto role : roles) {
        if (palette.color(role) == colour) continue;
        palette.setColor(role, colour);
        changed = true;
    }
    if (changed) widget.setPalette(palette);
}

}  // namespace

int ShownListIndex(const WidgetState& state)
{
    return state.value >= 0 && static_cast<size_t>(state.value) < state.listItems.size() ? state.value : -1;
}

int ShownScrollValue(const WidgetState& state)
{
    return std::clamp<int>(state.value, state.rangeMin, std::max(state.rangeMin, state.rangeMax));
}

class WidgetProjection::ProgramWrite {
public:
    explicit ProgramWrite(WidgetProjection& projection) : count_(projection.programWrites_) { ++count_; }
    ~ProgramWrite() { --count_; }
    ProgramWrite(const ProgramWrite&) = delete;
    ProgramWrite& operator=(const ProgramWrite&) = delete;

private:
    int& count_;
};

WidgetProjection::WidgetProjection(WidgetStore& store, ControlEventSink& sink, QWidget& holder)
    : store_(store), sink_(sink), holder_(holder)
{
}

WidgetProjection::~WidgetProjection()
{
    // The widgets outlive the projection when the window closes; a value box
    // losing the focus then must not ask for a check.
    for (const auto& real : widgets_)
        if (real->kind == RealKind::ValueBox) static_cast<ValueBoxEdit*>(real->widget)->StopChecking();
}

RealWidget* WidgetProjection::bound(WidgetId id) const
{
    if (bound_.empty()) return nullptr;
    const auto it = bound_.find(KeyOf(id));
    return it == bound_.end() ? nullptr : it->second;
}

void WidgetProjection::UserChanged(const RealWidget& real, const std::string& text)
{
    if (bound(real.id) != &real) return;  // a waiting widget shows no element
    WidgetState& state = store_.at(real.id);
    if (programWrites_ == 0) {
        if (IsTextBoxKind(real.kind)) state.text = text;
        else state.value = std::stoi(text);
    }
    sink_.WidgetChanged(real.id, state.tag, text);
}

std::unique_ptr<RealWidget> WidgetProjection::Make(RealKind kind)
{
    auto made = std::make_unique<RealWidget>();
    made->kind = kind;
    RealWidget* real = made.get();
    switch (kind) {
    case RealKind::TextBox:
    case RealKind::ValueBox:
    case RealKind::UpDownBox: {
        QLineEdit* box = kind == RealKind::ValueBox
                             ? new ValueBoxEdit(&holder_, [this, real](const QString& text) {
                                   // Leaving the screen is no leaving the box: a box
                                   // refusing it would take the focus to the next element.
                                   return bound(real->id) != real || sink_.ValueBoxMayLeave(real->id, text.toStdString());
                               })
                             : new QLineEdit(&holder_);
        real->limit = new TypingLengthLimit(*box);
        connect(box, &QLineEdit::textChanged, this, [this, real](const QString& text) { UserChanged(*real, text.toStdString()); });
        real->widget = box;
        if (kind == RealKind::UpDownBox) {
            real->spinner = new UpDownSpinner(&holder_);
            connect(real->spinner, &UpDownSpinner::stepped, this, [this, real](int position) {
                WidgetState& state = store_.at(real->id);
                state.value = position;
                real->limit->SetProgramText(ToQString(sink_.SpinnerText(real->id, state.tag, position)));
            });
        }
        break;
    }
    case RealKind::List:
    case RealKind::Display: {
        auto* list = new QComboBox(&holder_);
        if (kind == RealKind::Display) {
            list->setFocusPolicy(Qt::NoFocus);
            list->setAttribute(Qt::WA_TransparentForMouseEvents);
        } else {
            connect(list, &QComboBox::currentIndexChanged, this,
                    [this, real](int position) { UserChanged(*real, std::to_string(position)); });
        }
        real->widget = list;
        break;
    }
    case RealKind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, &holder_);
        connect(bar, &QScrollBar::valueChanged, this, [this, real](int value) { UserChanged(*real, std::to_string(value)); });
        real->widget = bar;
        break;
    }
    }
    real->widget->hide();
    if (real->spinner) real->spinner->hide();
    return made;
}

RealWidget& WidgetProjection::Take(RealKind kind)
{
    auto& waiting = waiting_[static_cast<size_t>(kind)];
    if (!waiting.empty()) {
        RealWidget* real = waiting.back();
        waiting.pop_back();
        return *real;
    }
    widgets_.push_back(Make(kind));
    return *widgets_.back();
}

void WidgetProjection::Bind(WidgetId id, QWidget& page)
{
    RealWidget& real = Take(KindOf(id.array));
    real.id = id;
    bound_[KeyOf(id)] = &real;
    {
        const QSignalBlocker quietWidget(real.widget);
        const QSignalBlocker quietSpinner(real.spinner);
        real.widget->setParent(&page);
        if (real.spinner) real.spinner->setParent(&page);
        // A new text drops the last element's typing history, so undo stays with its element.
        if (IsTextBoxKind(real.kind)) static_cast<QLineEdit*>(real.widget)->setText(QString());
        ApplyFont(real);  // before the geometry: a list's height follows its font
        ApplyGeometry(real);
        ApplyColours(real);
        ApplyJustify(real);
        ApplyToolTip(real);
        ApplyLocked(real);
        ApplyMaxLength(real);
        ApplyText(real);
        ApplyListCleared(real);
        for (const std::string& item : store_.at(id).listItems) ApplyListItem(real, item);
        ApplyRange(real);
        ApplySteps(real);
        ApplyValue(real);
    }
    ApplyVisible(real);
}

void WidgetProjection::Release(WidgetId id)
{
    const auto it = bound_.find(KeyOf(id));
    if (it == bound_.end()) return;
    RealWidget& real = *it->second;
    bound_.erase(it);  // first: the focus leaving it now checks nothing
    real.widget->clearFocus();
    real.widget->hide();
    if (real.spinner) real.spinner->hide();
    real.pendingItems.clear();
    real.widget->setParent(&holder_);
    if (real.spinner) real.spinner->setParent(&holder_);
    waiting_[static_cast<size_t>(real.kind)].push_back(&real);
}

void WidgetProjection::ReleaseAll()
{
    std::vector<WidgetId> ids;
    ids.reserve(bound_.size());
    for (const auto& [key, real] : bound_) ids.push_back(real->id);
    for (const WidgetId id : ids) Release(id);
}

void WidgetProjection::OrderFocus(const std::vector<WidgetId>& elements)
{
    QWidget* previous = nullptr;
    const auto chain = [&](QWidget* next) {
        if (previous) QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (const WidgetId id : elements) {
        const RealWidget* real = bound(id);
        if (!real) continue;
        chain(real->widget);
        if (real->spinner) chain(real->spinner);
    }
}

void WidgetProjection::ApplyGeometry(const RealWidget& real)
{
    const WidgetState& state = store_.at(real.id);
    QRect rect = TwipsRect(state.left, state.top, state.width, state.height);
    // A drop-down list is as tall as its font makes it, whatever height the
    // model keeps (descriptions leave a list's height out).
    if (auto* list = qobject_cast<QComboBox*>(real.widget)) rect.setHeight(list->sizeHint().height());
    if (!real.spinner) {
        real.widget->setGeometry(rect);
        return;
    }
    const int spinnerWidth = std::min(SpinnerWidth, rect.width() / 2);
    real.widget->setGeometry(rect.adjusted(0, 0, -spinnerWidth, 0));
    real.spinner->setGeometry(rect.right() - spinnerWidth + 1, rect.top(), spinnerWidth, rect.height());
}

void WidgetProjection::ApplyVisible(RealWidget& real)
{
    const bool visible = store_.at(real.id).visible;
    FlushListItems(real);
    real.widget->setVisible(visible);
    if (real.spinner) real.spinner->setVisible(visible);
}

void WidgetProjection::ApplyText(const RealWidget& real)
{
    if (!IsTextBoxKind(real.kind)) return;
    const QString shown = ToQString(store_.at(real.id).text);
    const ProgramWrite write(*this);
    if (static_cast<QLineEdit*>(real.widget)->text() != shown) real.limit->SetProgramText(shown);
}

void WidgetProjection::ApplyListCleared(RealWidget& real)
{
    real.pendingItems.clear();
    const ProgramWrite write(*this);
    if (auto* list = qobject_cast<QComboBox*>(real.widget)) list->clear();
}

void WidgetProjection::ApplyListItem(RealWidget& real, const std::string& text)
{
    if (qobject_cast<QComboBox*>(real.widget)) real.pendingItems.append(ToQString(text));
}

void WidgetProjection::FlushListItems(RealWidget& real)
{
    if (real.pendingItems.isEmpty()) return;
    const ProgramWrite write(*this);
    static_cast<QComboBox*>(real.widget)->addItems(real.pendingItems);
    real.pendingItems.clear();
}

void WidgetProjection::ApplyValue(RealWidget& real)
{
    FlushListItems(real);
    const WidgetState& state = store_.at(real.id);
    const ProgramWrite write(*this);
    if (real.spinner) real.spinner->setValue(state.value);
    else if (auto* list = qobject_cast<QComboBox*>(real.widget)) list->setCurrentIndex(ShownListIndex(state));
    else if (auto* bar = qobject_cast<QScrollBar*>(real.widget)) bar->setValue(state.value);
}

void WidgetProjection::ApplyRange(const RealWidget& real)
{
    const WidgetState& state = store_.at(real.id);
    const ProgramWrite write(*this);
    if (real.spinner) real.spinner->setRange(state.rangeMin, state.rangeMax);
    else if (auto* bar = qobject_cast<QScrollBar*>(real.widget)) bar->setRange(state.rangeMin, state.rangeMax);
}

void WidgetProjection::ApplySteps(const RealWidget& real)
{
    if (auto* bar = qobject_cast<QScrollBar*>(real.widget)) {
        const WidgetState& state = store_.at(real.id);
        bar->setSingleStep(state.smallStep);
        bar->setPageStep(state.largeStep);
    }
}

void WidgetProjection::ApplyMaxLength(const RealWidget& real)
{
    if (real.limit) real.limit->setLimit(store_.at(real.id).maxLength);
}

void WidgetProjection::ApplyLocked(const RealWidget& real)
{
    if (IsTextBoxKind(real.kind)) static_cast<QLineEdit*>(real.widget)->setReadOnly(store_.at(real.id).locked);
}

void WidgetProjection::ApplyFont(const RealWidget& real)
{
    const WidgetState& state = store_.at(real.id);
    QFont font = real.widget->font();
    if (font.bold() == state.bold && font.italic() == state.italic) return;
    font.setBold(state.bold);
    font.setItalic(state.italic);
    real.widget->setFont(font);
}

void WidgetProjection::ApplyColours(const RealWidget& real)
{
    const WidgetState& state = store_.at(real.id);
    switch (real.kind) {
    case RealKind::ScrollBar: return;
    case RealKind::List:
    case RealKind::Display:
        // A closed list shows its item on the button face, the open one on the base.
        SetPaletteColour(*real.widget, {QPalette::ButtonText, QPalette::Text}, ToQColor(state.foreColor));
        SetPaletteColour(*real.widget, {QPalette::Button, QPalette::Base}, ToQColor(state.backColor));
        return;
    case RealKind::TextBox:
    case RealKind::ValueBox:
    case RealKind::UpDownBox:
        SetPaletteColour(*real.widget, {QPalette::Text}, ToQColor(state.foreColor));
        SetPaletteColour(*real.widget, {QPalette::Base}, ToQColor(state.backColor));
        return;
    }
}

void WidgetProjection::ApplyJustify(const RealWidget& real)
{
    if (!IsTextBoxKind(real.kind)) return;
    const int16_t justify = store_.at(real.id).justify;
    static_cast<QLineEdit*>(real.widget)
        ->setAlignment(justify == 1 ? Qt::AlignRight : justify == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
}

void WidgetProjection::ApplyToolTip(const RealWidget& real)
{
    const QString tip = ToQString(store_.at(real.id).toolTip);
    if (real.widget->toolTip() != tip) real.widget->setToolTip(tip);
    if (real.spinner && real.spinner->toolTip() != tip) real.spinner->setToolTip(tip);
}

std::string WidgetProjection::ShownText(RealWidget& real)
{
    FlushListItems(real);
    if (auto* box = qobject_cast<QLineEdit*>(real.widget)) return box->text().toStdString();
    if (auto* list = qobject_cast<QComboBox*>(real.widget)) return list->currentText().toStdString();
    if (auto* bar = qobject_cast<QScrollBar*>(real.widget)) return std::to_string(bar->value());
    return {};
}

}  // namespace velk
