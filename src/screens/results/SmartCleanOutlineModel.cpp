#include "screens/results/SmartCleanOutlineModel.h"

#include "controls/IconImages.h"
#include "engine/HandOver.h"
#include "platform/ByteCountFormatter.h"
#include "screens/results/OutlineEntry.h"
#include "screens/results/SmartCleanViewController.h"

namespace dovrel {

namespace {

// Internal ids: 0 for a category row, c + 1 for an entry of category c.
constexpr quintptr kCategoryId = 0;

constexpr double kFullOpacity = 1.0;
constexpr double kHalfOpacity = 0.5;

} // namespace

SmartCleanOutlineModel::SmartCleanOutlineModel(SmartCleanViewController& screen,
                                               std::optional<Location> applicationsFolder, QObject* parent)
    : QAbstractItemModel(parent), screen_(screen), applicationsFolder_(std::move(applicationsFolder)) {}

QModelIndex SmartCleanOutlineModel::index(int row, int column, const QModelIndex& parent) const {
    if (column < 0 || column >= ColumnCount || row < 0)
        return {};
    if (!parent.isValid()) {
        if (row >= static_cast<int>(screen_.outlineItems.size()))
            return {};
        return createIndex(row, column, kCategoryId);
    }
    if (!isCategory(parent) || row >= rowCount(parent))
        return {};
    return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex SmartCleanOutlineModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kCategoryId)
        return {};
    return createIndex(static_cast<int>(child.internalId() - 1), TitleColumn, kCategoryId);
}

int SmartCleanOutlineModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return static_cast<int>(screen_.outlineItems.size());
    if (!isCategory(parent) || parent.column() != TitleColumn)
        return 0;
    // The length of the selection list (the same as the full list's).
    return static_cast<int>(screen_.selectionList(parent.row()).size());
}

int SmartCleanOutlineModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

bool SmartCleanOutlineModel::isCategory(const QModelIndex& index) {
    return index.isValid() && index.internalId() == kCategoryId;
}

int SmartCleanOutlineModel::categoryOf(const QModelIndex& index) {
    if (!index.isValid())
        return -1;
    return isCategory(index) ? index.row() : static_cast<int>(index.internalId() - 1);
}

int SmartCleanOutlineModel::positionOf(const QModelIndex& index) {
    return index.isValid() && !isCategory(index) ? index.row() : -1;
}

QModelIndex SmartCleanOutlineModel::categoryIndex(int c, int column) const {
    return index(c, column);
}

QModelIndex SmartCleanOutlineModel::entryIndex(int c, int position, int column) const {
    return index(position, column, categoryIndex(c));
}

const ResultEntry* SmartCleanOutlineModel::entryAt(const QModelIndex& index) const {
    const int c = categoryOf(index);
    const int i = positionOf(index);
    if (c < 0 || i < 0)
        return nullptr;
    const SelectionList& full = screen_.fullList(c);
    if (i >= static_cast<int>(full.size()))
        return nullptr;
    return full[static_cast<std::size_t>(i)].entry();
}

QIcon SmartCleanOutlineModel::iconOf(int c, int position) const {
    const QPair<int, int> key(c, position);
    auto it = icons_.constFind(key);
    if (it != icons_.constEnd())
        return it.value();
    QIcon icon;
    if (position < 0)
        icon = IconImages::icon(screen_.outlineItems[static_cast<std::size_t>(c)]->image);
    else if (const ResultEntry* e = entryAt(entryIndex(c, position)))
        icon = OutlineEntry::icon(*e, applicationsFolder_);
    icons_.insert(key, icon);
    return icon;
}

QVariant SmartCleanOutlineModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.model() != this)
        return {};
    const int c = categoryOf(index);
    if (c < 0 || c >= static_cast<int>(screen_.outlineItems.size()))
        return {};
    const bool category = isCategory(index);
    const int position = positionOf(index);
    const ResultEntry* entry = category ? nullptr : entryAt(index);
    if (!category && entry == nullptr)
        return {};

    switch (role) {
    case IsCategoryRole:
        return category;
    case CategoryRole:
        return c;
    case PositionRole:
        return position;
    case EmptyRole:
        return category && screen_.isCategoryEmpty(c);
    case HasRowViewRole:
        return category || OutlineEntry::hasRowView(*entry);
    default:
        break;
    }
    if (!category && !OutlineEntry::hasRowView(*entry))
        return {};

    const SmartOutlineItem& item = *screen_.outlineItems[static_cast<std::size_t>(c)];
    const bool empty = category && screen_.isCategoryEmpty(c);
    const QString sizeText =
        empty ? QString() : formatByteCountInList(category ? item.size : HandOver::sizeOf(*entry));
    QString title = category ? item.label : OutlineEntry::title(*entry);
    // Kept items are in no size shown; the row says how many there are.
    if (category)
        if (const int kept = screen_.keptEntries().count(c); kept > 0)
            title += QStringLiteral(" — ") + tr("%1 kept").arg(kept);
    if (!category && screen_.keptEntries().holds(*entry))
        title += QStringLiteral(" — ") + tr("always kept");
    // Site data a running browser holds stays until it is closed; the row says so.
    QString inUse;
    if (const auto* source = category ? nullptr : std::get_if<std::shared_ptr<CleanerItem>>(entry))
        if (*source && !(*source)->in_use_by.empty()) {
            QStringList names((*source)->in_use_by.begin(), (*source)->in_use_by.end());
            inUse = tr("Close %1 to clean its site data").arg(names.join(QStringLiteral(", ")));
            title += QStringLiteral(" — ") + inUse;
        }

    if (role == SizeOpacityRole) {
        if (category)
            return screen_.tickState(c) == SmartCleanViewController::Tick::Off ? kHalfOpacity : kFullOpacity;
        return screen_.isEntrySelected(c, position) ? kFullOpacity : kHalfOpacity;
    }
    if (index.column() == SizeColumn) {
        if (role == Qt::AccessibleTextRole && empty)
            return tr("Nothing found"); // a cell a screen reader can still name
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return sizeText;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return {};
    }

    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return title;
    case Qt::AccessibleDescriptionRole:
        return sizeText;
    case Qt::ToolTipRole:
        if (!inUse.isEmpty())
            return inUse;
        if (!category)
            if (std::optional<Location> first = OutlineEntry::firstLocation(*entry)) {
                const std::string& bytes = first->native();
                return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
            }
        return {};
    case Qt::DecorationRole:
        return iconOf(c, position);
    case Qt::CheckStateRole:
        if (empty)
            return {};
        if (category) {
            switch (screen_.tickState(c)) {
            case SmartCleanViewController::Tick::On:
                return Qt::Checked;
            case SmartCleanViewController::Tick::Mixed:
                return Qt::PartiallyChecked;
            case SmartCleanViewController::Tick::Off:
                return Qt::Unchecked;
            }
        }
        return screen_.isEntrySelected(c, position) ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

Qt::ItemFlags SmartCleanOutlineModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled;
    if (index.column() == TitleColumn && data(index, Qt::CheckStateRole).isValid())
        flags |= Qt::ItemIsUserCheckable;
    if (isCategory(index) && index.column() == TitleColumn && !screen_.selectionList(index.row()).empty())
        return flags;
    return flags | Qt::ItemNeverHasChildren;
}

bool SmartCleanOutlineModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != TitleColumn ||
        !(flags(index) & Qt::ItemIsUserCheckable))
        return false;
    const auto state = static_cast<Qt::CheckState>(value.toInt());
    if (isCategory(index))
        screen_.select_smart_outline_item(index.row(), state);
    else
        screen_.select_item(index, state != Qt::Unchecked);
    return true;
}

void SmartCleanOutlineModel::categoryChanged(int c) {
    emit dataChanged(categoryIndex(c, TitleColumn), categoryIndex(c, SizeColumn));
}

void SmartCleanOutlineModel::entryChanged(int c, int position) {
    emit dataChanged(entryIndex(c, position, TitleColumn), entryIndex(c, position, SizeColumn));
}

void SmartCleanOutlineModel::entriesChanged(int c) {
    const int n = rowCount(categoryIndex(c));
    if (n > 0)
        emit dataChanged(entryIndex(c, 0, TitleColumn), entryIndex(c, n - 1, SizeColumn));
}

void SmartCleanOutlineModel::reload() {
    beginResetModel();
    icons_.clear();
    endResetModel();
}

bool SmartCleanOutlineModel::isConsistent() const {
    const auto& items = screen_.outlineItems;
    if (!items.empty() && static_cast<int>(items.size()) != SmartCleanViewController::kCategories)
        return false;
    if (rowCount() != static_cast<int>(items.size()))
        return false;
    for (int c = 0; c < static_cast<int>(items.size()); ++c) {
        if (!items[static_cast<std::size_t>(c)])
            return false;
        const SelectionList& selection = screen_.selectionList(c);
        const SelectionList& full = screen_.fullList(c);
        const SelectionList& empty = screen_.emptyList(c);
        if (selection.size() != full.size() || empty.size() != full.size())
            return false;
        if (rowCount(categoryIndex(c)) != static_cast<int>(full.size()))
            return false;
        for (std::size_t i = 0; i < full.size(); ++i) {
            if (!full[i].isEntry() || empty[i].isEntry())
                return false;
            if (selection[i].isEntry() && !(selection[i] == full[i]))
                return false;
        }
    }
    return true;
}

} // namespace dovrel
