#include "AccessibleTree.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace dovrel::test {

namespace {

void walk(QAccessibleInterface* node, const QString& path, std::vector<AccessibleNode>& out, int depth) {
    if (node == nullptr || depth > 64)
        return;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr || !child->isValid() || child->state().invisible)
            continue;
        AccessibleNode n{child->role(), child->text(QAccessible::Name), QString(),
                         bool(child->state().focusable)};
        n.path = path + QStringLiteral(" / %1 \"%2\"").arg(QString::number(int(n.role)), n.name);
        out.push_back(n);
        walk(child, n.path, out, depth + 1);
    }
}

} // namespace

std::vector<AccessibleNode> accessibleTree(QWidget* root) {
    std::vector<AccessibleNode> out;
    walk(QAccessible::queryAccessibleInterface(root), QString(), out, 0);
    return out;
}

bool isInteractive(QAccessible::Role role) {
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::Link:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::Tree:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::MenuItem:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

void expectAccessible(QWidget* root, const std::vector<ExpectedNode>& expected) {
    const std::vector<AccessibleNode> nodes = accessibleTree(root);
    for (const AccessibleNode& n : nodes) {
        if (n.focusable || isInteractive(n.role)) {
            EXPECT_FALSE(n.name.trimmed().isEmpty()) << "no name: " << n.path.toStdString();
        }
    }
    for (const ExpectedNode& e : expected) {
        const bool found = std::any_of(nodes.begin(), nodes.end(), [&](const AccessibleNode& n) {
            return n.name == e.name && n.role == e.role;
        });
        EXPECT_TRUE(found) << "missing: role " << int(e.role) << " \"" << e.name.toStdString() << "\"";
    }
}

} // namespace dovrel::test
