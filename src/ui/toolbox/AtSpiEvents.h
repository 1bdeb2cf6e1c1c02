#pragma once

class QAccessibleInterface;
class QString;

namespace vq::atspi {

// Events a screen reader needs that Qt's AT-SPI bridge of this Qt version does not pass on
// (a node opening or closing, the active row of a list, rows taken out of a list), sent the way
// the bridge sends its own: on the bridge's connection to the accessibility bus, from the
// object's own path. Nothing is sent while no accessibility client is active.

// object:state-changed:<state> from `object`.
void SendStateChanged(QAccessibleInterface* object, const char* state, bool on);
// object:active-descendant-changed from `container`: `child` (at `index`) is its active child now.
void SendActiveDescendantChanged(QAccessibleInterface* container, QAccessibleInterface* child, int index);
// object:children-changed:remove from `container`: the children from `index` on were taken out;
// `child` is one of them when it is known, else null.
void SendChildrenRemoved(QAccessibleInterface* container, int index, QAccessibleInterface* child);

// object:announcement from `source`: a text to be read out politely, as news.
void SendAnnouncement(QAccessibleInterface* source, const QString& text);

}  // namespace vq::atspi
