#include "app/form_window.h"

#include "app/classic_frame.h"
#include "app/classic_indicators.h"
#include "app/qt_adapter.h"
#include "app/qt_conversions.h"
#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/menu_entry.h"
#include "worksheets/timer.h"

#include <QAction>
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
    for (Control& control : form.controls()) {
        buildControl(control);
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
    m_adapter.dispatch(handler);
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
    if (m_form.visible() && isHidden()) {
        show();
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
    }
}

void FormWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_detached) {
        m_renderedClient = QSize();
        renderWindow();
    }
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
        return copyKey(watched, *static_cast<QKeyEvent*>(event));
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

} // namespace korveld
