#include "app/form_window.h"

#include "app/classic_frame.h"
#include "app/classic_indicators.h"
#include "app/qt_adapter.h"
#include "app/qt_conversions.h"
#include "app/window_placement.h"
#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/menu_entry.h"
#include "worksheets/timer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

namespace korveld {

namespace {

// Pixels above and below an indicator that its outline and anti-aliasing need.
constexpr int kIndicatorAllowance = 2;

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// Runs `fn` with the widget cast to its kind's class.
template <class W, class Fn>
void as(QWidget* widget, Fn&& fn) {
    if (auto* typed = qobject_cast<W*>(widget)) {
        fn(*typed);
    }
}

void setTextKeepingCursor(QLineEdit& edit, const QString& value) {
    if (edit.text() == value) {
        return;
    }
    const int cursor = edit.cursorPosition();
    edit.setText(value);
    edit.setCursorPosition(std::min(cursor, static_cast<int>(value.size())));
}

void setTextKeepingCursor(QPlainTextEdit& edit, const QString& value) {
    if (edit.toPlainText() == value) {
        return;
    }
    const int cursor = edit.textCursor().position();
    edit.setPlainText(value);
    QTextCursor restored = edit.textCursor();
    restored.setPosition(std::min(cursor, static_cast<int>(value.size())));
    edit.setTextCursor(restored);
}

// An option or check box designed lower than its indicator grows about its middle, so that the
// circle or box and the caption show whole; the design's centre line stays where it was.
QRect withIndicatorRoom(QRect geometry, const QWidget& widget, QStyle::PixelMetric indicator) {
    const int needed =
        std::max(widget.style()->pixelMetric(indicator, nullptr, &widget), widget.fontMetrics().height()) +
        kIndicatorAllowance;
    if (geometry.height() >= needed) {
        return geometry;
    }
    const int grow = needed - geometry.height();
    geometry.adjust(0, -(grow / 2), 0, grow - grow / 2);
    return geometry;
}

} // namespace

FormWindow::FormWindow(Form& form, QtAdapter& adapter)
    : m_form(form), m_adapter(adapter), m_client(new QWidget(this)), m_indicatorStyle(new ClassicIndicatorStyle) {
    m_indicatorStyle->setParent(this);
    setObjectName(qs(form.name()));
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->installEventFilter(this);
    setCentralWidget(m_client);
    if (form.backColour()) {
        QPalette palette = m_client->palette();
        palette.setColor(QPalette::Window, toQColor(*form.backColour()));
        m_client->setPalette(palette);
        m_client->setAutoFillBackground(true);
    }
    QHash<const OptionButton*, std::size_t> groupOf;
    for (Control& control : form.controls()) {
        buildControl(control);
        if (control.kind() == ControlKind::OptionButton) {
            const OptionButton* first = static_cast<OptionButton&>(control).firstInGroup();
            if (!groupOf.contains(first)) {
                groupOf.insert(first, m_optionGroups.size());
                m_optionGroups.emplace_back();
            }
            m_optionGroups[groupOf.value(first)].push_back(&control);
        }
    }
    for (MenuEntry& entry : form.menuBar()) {
        buildMenu(entry, menuBar());
    }
    for (Timer& timer : form.timers()) {
        buildTimer(timer);
    }
    // The Tab key follows the window's own order; hidden and disabled controls are passed over.
    QWidget* previous = nullptr;
    for (const Control* control : form.tabOrder()) {
        QWidget* widget = widgetOf(*control);
        if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
    m_frameWatch = new QTimer(this);
    m_frameWatch->setInterval(20);
    connect(m_frameWatch, &QTimer::timeout, this, [this] { framed(); });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] { helpKey(); });
    // Copy with the focus on a button, an option or nowhere; text boxes pass it on themselves.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, [this] { forward([this] { m_form.copyRequested(); }); });
}

FormWindow::~FormWindow() = default;

QWidget* FormWindow::widgetOf(const Control& control) const {
    for (const ControlBinding& binding : m_controls) {
        if (binding.control == &control) {
            return binding.widget;
        }
    }
    return nullptr;
}

Control* FormWindow::controlOf(const QObject* widget) const {
    const auto it = m_controlIndex.constFind(widget);
    return it == m_controlIndex.constEnd() ? nullptr : m_controls[*it].control;
}

QAction* FormWindow::actionOf(const MenuEntry& entry) const {
    for (const MenuBinding& binding : m_menus) {
        if (binding.entry == &entry) {
            return binding.action;
        }
    }
    return nullptr;
}

void FormWindow::forward(const std::function<void()>& handler) {
    if (m_detached || m_adapter.rendering()) {
        return;
    }
    m_adapter.dispatchFrom(m_form, handler);
}

void FormWindow::buildControl(Control& control) {
    QWidget* parent = m_client;
    if (control.container() != nullptr) {
        parent = widgetOf(*control.container());
        Q_ASSERT_X(parent != nullptr, "FormWindow", "a frame must be declared before its controls");
    }
    QWidget* widget = nullptr;
    switch (control.kind()) {
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(!static_cast<Label&>(control).autoSize());
        widget = label;
        break;
    }
    case ControlKind::TextBox: {
        auto& box = static_cast<TextBox&>(control);
        if (box.multiLine()) {
            auto* edit = new QPlainTextEdit(parent);
            edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            edit->setTabChangesFocus(true);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            edit->viewport()->installEventFilter(this);
            m_controlIndex.insert(edit->viewport(), m_controls.size());
            connect(edit, &QPlainTextEdit::textChanged, this, [this, &box, edit] {
                const std::string typed = edit->toPlainText().toStdString();
                forward([&box, typed] { box.userType(typed); });
            });
            widget = edit;
        } else {
            auto* edit = new QLineEdit(parent);
            connect(edit, &QLineEdit::textEdited, this, [this, &box](const QString& typed) {
                const std::string value = typed.toStdString();
                forward([&box, value] { box.userType(value); });
            });
            widget = edit;
        }
        break;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, &control] { forward([&control] { control.userClick(); }); });
        widget = button;
        break;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(parent);
        option->setStyle(m_indicatorStyle);
        // The model decides which option of a group is chosen, not Qt.
        option->setAutoExclusive(false);
        connect(option, &QRadioButton::clicked, this,
                [this, &control] { forward([&control] { control.userClick(); }); });
        widget = option;
        break;
    }
    case ControlKind::CheckBox: {
        auto* check = new QCheckBox(parent);
        check->setStyle(m_indicatorStyle);
        connect(check, &QCheckBox::clicked, this, [this, &control] { forward([&control] { control.userClick(); }); });
        widget = check;
        break;
    }
    case ControlKind::Frame:
        widget = new ClassicFrame(parent);
        break;
    }
    widget->setObjectName(QString::fromStdString(control.fullName()));
    widget->installEventFilter(this);
    m_controlIndex.insert(widget, m_controls.size());
    m_controls.push_back({&control, widget, std::nullopt, std::nullopt, false});
}

void FormWindow::buildMenu(MenuEntry& entry, QWidget* parent) {
    QAction* action = nullptr;
    auto* bar = qobject_cast<QMenuBar*>(parent);
    auto* menu = qobject_cast<QMenu*>(parent);
    if (entry.hasChildren()) {
        auto* submenu = new QMenu(parent);
        submenu->setObjectName(QString::fromStdString(entry.fullName()));
        submenu->installEventFilter(this); // F1 on a highlighted entry
        // Opening the submenu is the group entry's Click; the render that follows updates its items.
        connect(submenu, &QMenu::aboutToShow, this, [this, &entry] { forward([&entry] { entry.userPick(); }); });
        action = submenu->menuAction();
        for (MenuEntry* child = entry.firstChild(); child != nullptr; child = child->nextSibling()) {
            buildMenu(*child, submenu);
        }
    } else if (entry.isSeparator()) {
        action = new QAction(parent);
        action->setSeparator(true);
    } else {
        action = new QAction(parent);
        connect(action, &QAction::triggered, this, [this, &entry] { forward([&entry] { entry.userPick(); }); });
    }
    action->setObjectName(QString::fromStdString(entry.fullName()));
    if (bar != nullptr) {
        bar->addAction(action);
    } else if (menu != nullptr) {
        menu->addAction(action);
    }
    m_menus.push_back({&entry, action});
}

void FormWindow::buildTimer(Timer& timer) {
    auto* qtimer = new QTimer(this);
    qtimer->setObjectName(qs(timer.name()));
    connect(qtimer, &QTimer::timeout, this, [this, &timer] { forward([&timer] { timer.fire(); }); });
    m_timers.push_back({&timer, qtimer, timer.generation() + 1, false});
}

void FormWindow::render() {
    if (m_detached) {
        return;
    }
    renderWindow();
    for (ControlBinding& binding : m_controls) {
        renderControl(binding);
    }
    for (const MenuBinding& binding : m_menus) {
        renderMenu(binding);
    }
    for (TimerBinding& binding : m_timers) {
        renderTimer(binding);
    }
    renderOptionGroupStops();
    if (m_form.visible() && isHidden()) {
        prepareToShow();
        show();
        // The window manager frames the window a moment after it is shown; until then the window
        // is placed by the frame expected.
        m_frameChecks = 0;
        m_frameWatch->start();
    } else if (!m_form.visible() && !isHidden()) {
        hide();
    }
}

void FormWindow::renderWindow() {
    if (windowTitle() != text(m_form.caption())) {
        setWindowTitle(text(m_form.caption()));
    }
    if (testAttribute(Qt::WA_Disabled) == m_form.enabled()) {
        setEnabled(m_form.enabled());
    }
    const bool hasMenus = m_form.hasMenuBar();
    if (menuWidget() != nullptr && menuBar()->isHidden() == hasMenus) {
        menuBar()->setVisible(hasMenus);
    }
    const QSize client = toPixels(m_form.clientSize());
    if (client == m_renderedClient) {
        return;
    }
    m_renderedClient = client;
    const int menuHeight = hasMenus ? menuBar()->sizeHint().height() : 0;
    QSize outer(client.width(), client.height() + menuHeight);
    applyOuterSize(outer);
    // Once shown, the menu bar may take another height than its hint: correct by the difference.
    if (isVisible()) {
        if (QLayout* frame = layout()) {
            frame->activate();
        }
        const QSize error = client - m_client->size();
        if (!error.isNull()) {
            applyOuterSize(outer + error);
        }
        // A window that grows (the capacity worksheet showing its rows) stays wholly on screen.
        if (!m_framePending) {
            keepInsideScreen(*this);
        }
    }
}

void FormWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_detached) {
        m_renderedClient = QSize();
        renderWindow();
    }
}

void FormWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    // Not when minimised: a window hidden by the program opens again where the user left it.
    // By the client area: the window manager has already taken its frame away.
    if (!event->spontaneous()) {
        const QMargins margins = expectedFrameMargins();
        m_lastFramePosition = geometry().topLeft() - QPoint(margins.left(), margins.top());
    }
}

void FormWindow::prepareToShow() {
    FormWindow* owner = m_form.owner() != nullptr ? m_adapter.windowOf(*m_form.owner()) : nullptr;
    if (owner != nullptr && owner->isHidden()) {
        owner = nullptr; // a dialog never belongs to a hidden window
    }
    // A dialog is a transient window of its owner: the window manager keeps it above its owner and
    // minimises and restores it with it.
    const Qt::WindowType type = owner != nullptr ? Qt::Dialog : Qt::Window;
    if (windowType() != type) {
        setWindowFlags(type);
    }
    if (owner != nullptr) {
        owner->winId();
    }
    winId();
    if (QWindow* window = windowHandle()) {
        window->setTransientParent(owner != nullptr ? owner->windowHandle() : nullptr);
    }
    moveFrameTo(*this, framePositionForShow(), expectedFrameMargins());
    m_framePending = true;
}

QMargins FormWindow::expectedFrameMargins() const {
    if (const std::optional<QMargins> learnt = m_adapter.learntFrameMargins()) {
        return *learnt;
    }
    const int side = twipsToPixels(frameTwips(m_form.borderStyle()));
    const int caption = m_form.borderStyle() == BorderStyle::None ? 0 : twipsToPixels(kCaptionTwips);
    return {side, side + caption, side, side};
}

QPoint FormWindow::framePositionForShow() const {
    const QMargins margins = expectedFrameMargins();
    const QSize frameSize = size().grownBy(margins);
    const FormWindow* owner = m_form.owner() != nullptr ? m_adapter.windowOf(*m_form.owner()) : nullptr;
    if (owner != nullptr && owner->isHidden()) {
        owner = nullptr;
    }
    // The screen the user works on: the owner's, else the one of the window they used last.
    QPoint reference;
    if (owner != nullptr) {
        reference = frameOf(*owner).center();
    } else if (const QWidget* active = QApplication::activeWindow()) {
        reference = active->frameGeometry().center();
    } else if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        reference = primary->geometry().center();
    }
    const QRect area = availableAreaAt(reference);
    QPoint wanted;
    if (m_lastFramePosition) {
        wanted = *m_lastFramePosition;
    } else if (m_form.startUpPosition() == StartUpPosition::BesideOwner && owner != nullptr) {
        wanted = besideFrame(frameOf(*owner));
    } else if (m_form.startUpPosition() == StartUpPosition::Manual) {
        const QScreen* screen = QGuiApplication::screenAt(reference);
        const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : area.topLeft();
        wanted = origin + QPoint(twipsToPixels(m_form.designLeft()), twipsToPixels(m_form.designTop()));
    } else {
        wanted = area.center() - QPoint(frameSize.width() / 2, frameSize.height() / 2);
    }
    return placedInside(QRect(wanted, frameSize), area);
}

void FormWindow::framed() {
    constexpr int kFrameChecks = 100; // two seconds at 20 ms: a window system that frames nothing
    // After a show the window manager may still move the window where its own rules put it, and
    // on a busy machine it tells a while later.
    constexpr int kSettleChecks = 50;
    if (m_detached || !isVisible()) {
        m_frameWatch->stop();
        return;
    }
    const QMargins margins = frameMarginsOf(*this);
    if (m_framePending) {
        if (margins.isNull() && ++m_frameChecks < kFrameChecks) {
            return;
        }
        m_framePending = false;
        m_frameChecks = 0;
        if (margins.isNull()) {
            m_frameWatch->stop();
            keepInsideScreen(*this);
            return;
        }
        m_adapter.learnFrameMargins(margins);
        // With the real frame known, the design position is exact and the frame wholly on screen.
        m_placedAt = framePositionForShow();
    }
    // The window may grow meanwhile (the capacity worksheet showing its rows).
    const QRect frame = frameOf(*this);
    m_placedAt = placedInside(QRect(m_placedAt, frame.size()), availableAreaAt(frame.center()));
    if (frame.topLeft() != m_placedAt) {
        moveFrameTo(*this, m_placedAt, margins);
    }
    if (++m_frameChecks >= kSettleChecks) {
        m_frameWatch->stop();
    }
}

bool FormWindow::placementPending() const {
    return m_frameWatch->isActive();
}

bool FormWindow::event(QEvent* event) {
    if (!m_detached && !m_form.enabled()) {
        // A disabled window with a dialog: a click on it, or its activation, brings the dialog to
        // the front with the focus, as a window held by a modal dialog does.
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::WindowActivate:
            m_adapter.bringDialogForward(m_form);
            break;
        default:
            break;
        }
    }
    return QMainWindow::event(event);
}

void FormWindow::applyOuterSize(const QSize& outer) {
    if (m_form.borderStyle() == BorderStyle::Sizable) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(outer);
    } else {
        setFixedSize(outer);
    }
}

void FormWindow::renderControl(ControlBinding& binding) {
    Control& control = *binding.control;
    QWidget* widget = binding.widget;
    if (!binding.styled || binding.renderedFont != control.font()) {
        widget->setFont(toQFont(control.font()));
        binding.renderedFont = control.font();
    }
    if (binding.styled ? binding.renderedColour != control.foreColour() : control.foreColour().has_value()) {
        QPalette palette = widget->palette();
        if (control.foreColour()) {
            palette.setColor(QPalette::Text, toQColor(*control.foreColour()));
            palette.setColor(QPalette::WindowText, toQColor(*control.foreColour()));
            palette.setColor(QPalette::ButtonText, toQColor(*control.foreColour()));
        } else {
            palette = widget->parentWidget()->palette();
        }
        widget->setPalette(palette);
        binding.renderedColour = control.foreColour();
    }
    binding.styled = true;

    QRect geometry = toPixels(control.rect());
    switch (control.kind()) {
    case ControlKind::Label:
        as<QLabel>(widget, [&](QLabel& label) {
            const auto& model = static_cast<Label&>(control);
            if (label.text() != text(model.caption())) {
                label.setText(text(model.caption()));
            }
            const Qt::Alignment alignment = toQtAlignment(model.alignment(), Qt::AlignTop);
            if (label.alignment() != alignment) {
                label.setAlignment(alignment);
            }
            if (model.autoSize()) {
                // An empty self-sizing label keeps 60 twips; a right-aligned one keeps its right edge.
                const int width = model.caption().empty() ? twipsToPixels(60)
                                                          : label.fontMetrics().horizontalAdvance(label.text()) + 2;
                if (model.alignment() == Alignment::Right) {
                    geometry.setLeft(geometry.left() + geometry.width() - width);
                }
                geometry.setWidth(width);
            }
        });
        break;
    case ControlKind::TextBox: {
        const auto& model = static_cast<TextBox&>(control);
        as<QLineEdit>(widget, [&](QLineEdit& edit) {
            setTextKeepingCursor(edit, text(model.text()));
            if (edit.isReadOnly() != model.locked()) {
                edit.setReadOnly(model.locked());
            }
            const Qt::Alignment alignment = toQtAlignment(model.alignment(), Qt::AlignVCenter);
            if (edit.alignment() != alignment) {
                edit.setAlignment(alignment);
            }
        });
        as<QPlainTextEdit>(widget, [&](QPlainTextEdit& edit) {
            setTextKeepingCursor(edit, text(model.text()));
            if (edit.isReadOnly() != model.locked()) {
                edit.setReadOnly(model.locked());
            }
            const Qt::Alignment alignment = toQtAlignment(model.alignment(), Qt::AlignTop);
            QTextOption option = edit.document()->defaultTextOption();
            if (option.alignment() != alignment) {
                option.setAlignment(alignment);
                edit.document()->setDefaultTextOption(option);
            }
        });
        break;
    }
    case ControlKind::CommandButton:
        as<QPushButton>(widget, [&](QPushButton& button) {
            if (button.text() != text(static_cast<CommandButton&>(control).caption())) {
                button.setText(text(static_cast<CommandButton&>(control).caption()));
            }
        });
        break;
    case ControlKind::OptionButton:
        as<QRadioButton>(widget, [&](QRadioButton& option) {
            const auto& model = static_cast<OptionButton&>(control);
            if (option.text() != text(model.caption())) {
                option.setText(text(model.caption()));
            }
            if (option.isChecked() != model.value()) {
                option.setChecked(model.value());
            }
            geometry = withIndicatorRoom(geometry, option, QStyle::PM_ExclusiveIndicatorHeight);
        });
        break;
    case ControlKind::CheckBox:
        as<QCheckBox>(widget, [&](QCheckBox& check) {
            const auto& model = static_cast<CheckBox&>(control);
            if (check.text() != text(model.caption())) {
                check.setText(text(model.caption()));
            }
            const Qt::CheckState state = model.value() == CheckBox::Checked  ? Qt::Checked
                                         : model.value() == CheckBox::Grayed ? Qt::PartiallyChecked
                                                                             : Qt::Unchecked;
            if (check.checkState() != state) {
                check.setCheckState(state);
            }
            geometry = withIndicatorRoom(geometry, check, QStyle::PM_IndicatorHeight);
        });
        break;
    case ControlKind::Frame:
        as<QGroupBox>(widget, [&](QGroupBox& frame) {
            if (frame.title() != text(static_cast<Frame&>(control).caption())) {
                frame.setTitle(text(static_cast<Frame&>(control).caption()));
            }
        });
        break;
    }

    if (widget->geometry() != geometry) {
        widget->setGeometry(geometry);
    }
    if (widget->toolTip() != qs(control.toolTip())) {
        widget->setToolTip(qs(control.toolTip()));
    }
    if (const QString name = qs(control.accessibleName()); widget->accessibleName() != name) {
        widget->setAccessibleName(name);
    }
    if (widget->testAttribute(Qt::WA_Disabled) == control.enabled()) {
        widget->setEnabled(control.enabled());
    }
    if (widget->isHidden() == control.visible()) {
        widget->setVisible(control.visible());
    }
}

void FormWindow::renderMenu(const MenuBinding& binding) {
    const MenuEntry& entry = *binding.entry;
    QAction& action = *binding.action;
    if (!action.isSeparator() && action.text() != text(entry.caption())) {
        action.setText(text(entry.caption()));
        if (QMenu* menu = action.menu()) {
            menu->setTitle(text(entry.caption()));
        }
    }
    if (action.isVisible() != entry.visible()) {
        action.setVisible(entry.visible());
    }
    if (action.isEnabled() != entry.enabled()) {
        action.setEnabled(entry.enabled());
    }
    // Checkable only while checked: a pick never toggles a mark the model did not set.
    if (action.isCheckable() != entry.checked()) {
        action.setCheckable(entry.checked());
    }
    if (action.isChecked() != entry.checked()) {
        action.setChecked(entry.checked());
    }
}

void FormWindow::renderTimer(TimerBinding& binding) {
    const Timer& timer = *binding.timer;
    const bool running = timer.enabled() && timer.interval() > 0;
    if (running == binding.running && timer.generation() == binding.generation) {
        return;
    }
    binding.running = running;
    binding.generation = timer.generation();
    if (running) {
        binding.qtimer->start(timer.interval());
    } else {
        binding.qtimer->stop();
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (m_detached || m_adapter.ending()) {
        event->accept();
        return;
    }
    // The window's own model decides what its close button means.
    event->ignore();
    forward([this] { m_form.closeButtonPressed(); });
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_detached) {
        return false;
    }
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            return menuHelpKey(*menu, key);
        }
        if (Control* control = controlOf(watched);
            control != nullptr && control->kind() == ControlKind::OptionButton && optionArrowKey(*control, key)) {
            return true;
        }
        return copyKey(watched, key);
    }
    if (type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) {
        return false;
    }
    if (watched == m_client) {
        if (type == QEvent::MouseButtonDblClick) {
            forward([this] { m_form.userDblClick(); });
        }
        return false;
    }
    Control* control = controlOf(watched);
    if (control == nullptr) {
        return false;
    }
    // Labels and frames take their mouse events here, so that they do not also reach the frame
    // or window around them; the other kinds report clicks themselves and keep their own handling.
    const bool ownsMouse = control->kind() == ControlKind::Label || control->kind() == ControlKind::Frame;
    if (type == QEvent::MouseButtonDblClick) {
        forward([control] { control->userDblClick(); });
    } else if (ownsMouse) {
        forward([control] { control->userClick(); });
    }
    return ownsMouse;
}

bool FormWindow::copyKey(QObject* watched, const QKeyEvent& key) {
    if (!key.matches(QKeySequence::Copy)) {
        return false;
    }
    // Text selected in an entry is copied as the box copies it. Read-only boxes hold the window's
    // answer (and select their text when tabbed into), so there the window copies what it shows.
    if (auto* line = qobject_cast<QLineEdit*>(watched);
        line != nullptr && !line->isReadOnly() && line->hasSelectedText()) {
        return false;
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(watched);
        text != nullptr && !text->isReadOnly() && text->textCursor().hasSelection()) {
        return false;
    }
    bool copied = false;
    forward([this, &copied] { copied = m_form.copyRequested(); });
    return copied;
}

void FormWindow::helpKey() {
    std::int32_t id = m_form.helpContextId();
    if (QWidget* focused = focusWidget()) {
        if (Control* control = controlOf(focused); control != nullptr && control->helpContextId() != 0) {
            id = control->helpContextId();
        }
    }
    if (id != 0) {
        forward([this, id] { m_form.help().HelpContext(id); });
    }
}

bool FormWindow::menuHelpKey(QMenu& menu, const QKeyEvent& key) {
    if (key.key() != Qt::Key_F1 || key.modifiers() != Qt::NoModifier) {
        return false;
    }
    std::int32_t id = m_form.helpContextId();
    for (const MenuBinding& binding : m_menus) {
        if (binding.action == menu.activeAction() && binding.entry->helpContextId() != 0) {
            id = binding.entry->helpContextId();
        }
    }
    // The menu closes first, as a pick closes it, so the topic is not hidden behind it.
    for (QWidget* popup = QApplication::activePopupWidget(); popup != nullptr;
         popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    if (id != 0) {
        forward([this, id] { m_form.help().HelpContext(id); });
    }
    return true;
}

void FormWindow::renderOptionGroupStops() {
    const auto reachable = [](const Control& control) {
        if (!control.visible() || !control.enabled()) {
            return false;
        }
        for (const Frame* frame = control.container(); frame != nullptr; frame = frame->container()) {
            if (!frame->visible() || !frame->enabled()) {
                return false;
            }
        }
        return true;
    };
    for (const std::vector<Control*>& group : m_optionGroups) {
        const Control* stop = nullptr;
        for (const Control* option : group) {
            if (reachable(*option) && static_cast<const OptionButton*>(option)->value()) {
                stop = option;
                break;
            }
        }
        if (stop == nullptr) {
            const auto first =
                std::find_if(group.begin(), group.end(), [&](const Control* o) { return reachable(*o); });
            stop = first != group.end() ? *first : nullptr;
        }
        for (Control* option : group) {
            QWidget* widget = widgetOf(*option);
            const Qt::FocusPolicy policy = option == stop ? Qt::StrongFocus : Qt::ClickFocus;
            if (widget->focusPolicy() != policy) {
                widget->setFocusPolicy(policy);
            }
        }
    }
}

bool FormWindow::optionArrowKey(Control& option, const QKeyEvent& key) {
    int step = 0;
    switch (key.key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    default:
        return false;
    }
    if (key.modifiers() != Qt::NoModifier && key.modifiers() != Qt::KeypadModifier) {
        return false;
    }
    const auto group = std::find_if(m_optionGroups.begin(), m_optionGroups.end(), [&](const auto& options) {
        return std::find(options.begin(), options.end(), &option) != options.end();
    });
    if (group == m_optionGroups.end()) {
        return false;
    }
    // Round the group, as on every desktop, past the options a user cannot reach.
    const auto count = static_cast<std::ptrdiff_t>(group->size());
    const std::ptrdiff_t at = std::find(group->begin(), group->end(), &option) - group->begin();
    for (std::ptrdiff_t i = 1; i < count; ++i) {
        Control* next = (*group)[static_cast<std::size_t>((at + step * i + count * count) % count)];
        if (next->isUsable()) {
            widgetOf(*next)->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            forward([next] { next->userClick(); });
            return true;
        }
    }
    return true;
}

} // namespace korveld
