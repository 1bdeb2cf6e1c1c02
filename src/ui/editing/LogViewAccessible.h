#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace vq {

class LogView;

// What a screen reader reads of the operation log: a list whose entries are read as a user would
// say them (the model's accessible text: no "&" of a menu caption, no "(-1)" before a summary),
// while the log shows them as written. New entries are announced once per command, by the
// newest of them. Entry objects exist only once a client asks for them; entries are only ever
// appended, so an entry's number names its object until the log is emptied.
class LogViewAccessible : public QAccessibleWidget {
public:
    explicit LogViewAccessible(LogView* view);
    ~LogViewAccessible() override;

    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    void entriesAdded(int first, int last);
    void entriesCleared();
    void currentEntryChanged(int row);

private:
    LogView* view() const;

    mutable QHash<int, QAccessible::Id> m_entries;
};

// Makes Qt's accessibility use LogViewAccessible for the log; safe to call more than once.
void InstallLogViewAccessibility();

}  // namespace vq
