#pragma once

#include <QAccessible>
#include <QString>

#include <vector>

class QWidget;

namespace dovrel::test {

// One visible node of a widget's accessible tree, as a screen reader gets it
// through Qt's accessibility interfaces (and AT-SPI on the desktop).
struct AccessibleNode {
    QAccessible::Role role;
    QString name;
    QString path; // roles and names from the root, for messages
    bool focusable;
};

// Every visible node below `root` (not the root itself), depth first.
std::vector<AccessibleNode> accessibleTree(QWidget* root);

// A role a user acts on (button, check box, link, outline, ...).
bool isInteractive(QAccessible::Role role);

// What a test expects to find: a node with this name and role.
struct ExpectedNode {
    QString name;
    QAccessible::Role role;
};

// Checks (gtest) that every focusable or interactive node has a name and
// that each expected node is present with its role.
void expectAccessible(QWidget* root, const std::vector<ExpectedNode>& expected);

} // namespace dovrel::test
