#include "app/board_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QVariant>

#include <algorithm>
#include <vector>

#include "app/client_area.h"
#include "app/main_window.h"
#include "app/tile_names.h"
#include "rules/countdown.h"

namespace llk::app {
namespace {

const char* const AskedProperty = "llkAccessibleAsked";

bool Asked(const QObject* object) { return object && object->property(AskedProperty).toBool(); }

// The countdown's ticks left before the time runs out.
int SecondsLeft(double timeBar)
{
    return std::max(0, static_cast<int>((timeBar - TimeOutBelowTwips) / TimeBarTickTwips) + 1);
}

class BoardInterface;

// One inner Cell of the board; it has no widget of its own.
class CellInterface final : public QAccessibleInterface, public QAccessibleTableCellInterface, public QAccessibleActionInterface {
public:
    CellInterface(BoardInterface* board, int index) : m_board(board), m_index(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        return name == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList{};
    }
    void doAction(const QString& name) override;

    int Index() const { return m_index; }

private:
    BoardInterface* m_board;
    int m_index;
};

// The sprite layer read as a table of the inner Cells, row by row.
class BoardInterface final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    BoardInterface(SpriteLayer* layer, Form1* form) : QAccessibleWidget(layer, QAccessible::Table), m_form(form)
    {
        Snapshot();
    }
    ~BoardInterface() override { DropCells(); }

    const Game& game() const { return m_form->game(); }
    int Rows() const { return std::max(0, game().board.RowCount - 2); }
    int Cols() const { return std::max(0, game().board.ColCount - 2); }
    int CellOf(int index) const { return CellIndex(game(), index / Cols() + 2, index % Cols() + 2); }
    int IndexOf(int cell) const
    {
        if (cell < 1 || Cols() == 0)
            return -1;
        const int row = (cell - 1) / game().board.ColCount + 1;
        const int col = (cell - 1) % game().board.ColCount + 1;
        if (row < 2 || row > game().board.RowCount - 1 || col < 2 || col > game().board.ColCount - 1)
            return -1;
        return (row - 2) * Cols() + (col - 2);
    }
    QString NameOf(int cell) const
    {
        const Game& g = game();
        const bool shown = cell < static_cast<int>(g.screen.Sprites.size()) && g.screen.Sprites[cell].visible &&
                           g.screen.Sprites[cell].picture == SpritePicture::Tile && g.board.Cells[cell] != 0;
        return shown ? TileName(g.board.ThemeIndex, g.board.Cells[cell]) : EmptyCellName();
    }
    QRect CellRect(int cell) const
    {
        const QRect local = CellArea(game(), cell);
        return QRect(widget()->mapToGlobal(local.topLeft()), local.size());
    }
    int FrameCell() const { return m_form->FrameCell(); }
    int SelectedCell() const
    {
        return game().selection.SelectionState == SelectionState::FirstTile ? game().selection.SelectedCell : 0;
    }
    bool HasFocus() const { return widget()->hasFocus(); }
    SpriteLayer* Layer() const { return static_cast<SpriteLayer*>(widget()); }

    int childCount() const override { return Rows() * Cols(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto found = m_cells.constFind(index);
        if (found != m_cells.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto* cell = new CellInterface(const_cast<BoardInterface*>(this), index);
        m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = dynamic_cast<const CellInterface*>(child);
        return cell ? cell->Index() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (CellRect(CellOf(i)).contains(x, y))
                return child(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const int index = IndexOf(FrameCell());
        return index >= 0 ? child(index) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || column < 0 || row >= Rows() || column >= Cols())
            return nullptr;
        return child(row * Cols() + column);
    }
    int selectedCellCount() const override { return IndexOf(SelectedCell()) >= 0 ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        const int index = IndexOf(SelectedCell());
        return index >= 0 ? QList<QAccessibleInterface*>{child(index)} : QList<QAccessibleInterface*>{};
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Cols(); }
    int rowCount() const override { return Rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // Sends one event per change since the last call.
    void Update()
    {
        const int oldRows = m_rows;
        const int oldCols = m_cols;
        const std::vector<QString> oldNames = m_names;
        const int oldFrame = m_frame;
        const int oldSelected = m_selected;
        Snapshot();
        if (oldRows != m_rows || oldCols != m_cols) {
            DropCells();
            QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
            QAccessible::updateAccessibility(&reset);
        } else {
            int changed = 0;
            for (std::size_t i = 0; i < m_names.size(); ++i) {
                if (m_names[i] == oldNames[i])
                    continue;
                ++changed;
                QAccessibleEvent event(child(static_cast<int>(i)), QAccessible::NameChanged);
                QAccessible::updateAccessibility(&event);
            }
            if (changed > 2) { // a deal or a shuffle, not a removed pair
                QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
                event.setFirstRow(0);
                event.setLastRow(m_rows - 1);
                event.setFirstColumn(0);
                event.setLastColumn(m_cols - 1);
                QAccessible::updateAccessibility(&event);
            }
        }
        if (oldSelected != m_selected) {
            QAccessible::State selected;
            selected.selected = true;
            for (int cell : {oldSelected, m_selected}) {
                const int index = IndexOf(cell);
                if (index < 0)
                    continue;
                QAccessibleStateChangeEvent event(child(index), selected);
                QAccessible::updateAccessibility(&event);
            }
            const int index = IndexOf(m_selected);
            if (index >= 0) {
                QAccessibleEvent event(child(index), QAccessible::SelectionAdd);
                QAccessible::updateAccessibility(&event);
            }
        }
        if (oldFrame != m_frame) {
            const int index = IndexOf(m_frame);
            if (index >= 0 && HasFocus()) {
                QAccessibleEvent event(child(index), QAccessible::Focus);
                QAccessible::updateAccessibility(&event);
            }
        }
    }

private:
    void Snapshot()
    {
        m_rows = Rows();
        m_cols = Cols();
        m_names.resize(static_cast<std::size_t>(m_rows * m_cols));
        for (int i = 0; i < m_rows * m_cols; ++i)
            m_names[static_cast<std::size_t>(i)] = NameOf(CellOf(i));
        m_frame = FrameCell();
        m_selected = SelectedCell();
    }
    void DropCells()
    {
        for (QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
        m_cells.clear();
    }

    Form1* m_form;
    mutable QHash<int, QAccessible::Id> m_cells;
    int m_rows = 0;
    int m_cols = 0;
    std::vector<QString> m_names;
    int m_frame = 0;
    int m_selected = 0;
};

bool CellInterface::isValid() const { return m_board->isValid() && m_index < m_board->childCount(); }
QAccessibleInterface* CellInterface::parent() const { return m_board; }
QString CellInterface::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return {};
    return m_board->NameOf(m_board->CellOf(m_index));
}
QRect CellInterface::rect() const { return isValid() ? m_board->CellRect(m_board->CellOf(m_index)) : QRect(); }
QAccessible::State CellInterface::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const int cell = m_board->CellOf(m_index);
    state.focusable = true;
    state.selectable = true;
    state.focused = cell == m_board->FrameCell() && m_board->HasFocus();
    state.selected = cell == m_board->SelectedCell();
    return state;
}
bool CellInterface::isSelected() const { return isValid() && m_board->CellOf(m_index) == m_board->SelectedCell(); }
int CellInterface::columnIndex() const { return m_board->Cols() ? m_index % m_board->Cols() : 0; }
int CellInterface::rowIndex() const { return m_board->Cols() ? m_index / m_board->Cols() : 0; }
void CellInterface::doAction(const QString& name)
{
    if (name == pressAction() && isValid()) {
        emit m_board->Layer()->spritePressed(m_board->CellOf(m_index));
    }
}

// The client area without its fillers and hidden controls: the header band, the bar's outline,
// the markers, the frame, the hidden Text1 and the black count on the bar say nothing.
class ClientAreaInterface final : public QAccessibleWidget {
public:
    explicit ClientAreaInterface(QWidget* area) : QAccessibleWidget(area, QAccessible::Client) {}

    QList<QWidget*> Exposed() const
    {
        static const QStringList silent{QStringLiteral("Shape5"),    QStringLiteral("Shape4"), QStringLiteral("Shape1"),
                                        QStringLiteral("Shape2"),    QStringLiteral("Label5"), QStringLiteral("Text1"),
                                        QStringLiteral("FocusFrame")};
        QList<QWidget*> exposed;
        for (QObject* child : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w && !w->isWindow() && !w->isHidden() && !silent.contains(w->objectName()))
                exposed.append(w);
        }
        return exposed;
    }
    int childCount() const override { return static_cast<int>(Exposed().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> exposed = Exposed();
        return index >= 0 && index < exposed.size() ? QAccessible::queryAccessibleInterface(exposed[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(Exposed().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }
};

// Shape3: its width is the time left, read as the seconds left.
class TimeBarInterface final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    TimeBarInterface(QWidget* bar, Form1* form) : QAccessibleWidget(bar, QAccessible::ProgressBar), m_form(form) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QCoreApplication::translate("BoardAccessible", "时间");
        if (t == QAccessible::Value)
            return QString::number(SecondsLeft(m_form->game().counters.TimeBar));
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return SecondsLeft(m_form->game().counters.TimeBar); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return SecondsLeft(FullTimeBar); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    Form1* m_form;
};

// Label1 shows the bare score; it is read with what it counts.
class ScoreInterface final : public QAccessibleWidget {
public:
    explicit ScoreInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QCoreApplication::translate("BoardAccessible", "得分 %1").arg(static_cast<QLabel*>(widget())->text());
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    auto* form = qobject_cast<Form1*>(widget->window());
    if (!form || widget == form)
        return nullptr;
    const QString name = object->objectName();
    QAccessibleInterface* made = nullptr;
    if (auto* layer = qobject_cast<SpriteLayer*>(object))
        made = new BoardInterface(layer, form);
    else if (name == QLatin1String("ClientArea"))
        made = new ClientAreaInterface(widget);
    else if (name == QLatin1String("Shape3"))
        made = new TimeBarInterface(widget, form);
    else if (name == QLatin1String("Label1") && qobject_cast<QLabel*>(object))
        made = new ScoreInterface(static_cast<QLabel*>(widget));
    if (made)
        object->setProperty(AskedProperty, true);
    return made;
}

} // namespace

void InstallBoardAccessibility()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(Factory);
    }
}

void NotifyBoardChanges(Form1&, QWidget* board, QWidget* timeBar)
{
    if (!QAccessible::isActive()) // no screen reader listens: Qt would drop every event
        return;
    if (Asked(board)) {
        if (auto* iface = dynamic_cast<BoardInterface*>(QAccessible::queryAccessibleInterface(board)))
            iface->Update();
    }
    if (Asked(timeBar)) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(timeBar);
        const int seconds = iface ? iface->valueInterface()->currentValue().toInt() : 0;
        if (iface && timeBar->property("llkSecondsTold").toInt() != seconds + 1) {
            timeBar->setProperty("llkSecondsTold", seconds + 1);
            QAccessibleValueChangeEvent event(iface, seconds);
            QAccessible::updateAccessibility(&event);
        }
    }
}

} // namespace llk::app
