"""What a screen reader receives from Varnoquil through AT-SPI."""

import os
import sys
import time

from atspi_session import BusUnavailable, Desktop, SKIP

try:
    import pyatspi
    from gi.repository import GLib
except ImportError as missing:
    print(f"pyatspi is missing (Debian package python3-pyatspi): {missing}")
    sys.exit(1)

EVENTS = ["object:state-changed", "object:children-changed", "object:property-change:accessible-name",
          "object:active-descendant-changed", "focus:", "object:text-changed", "object:selection-changed"]


class Events:
    """Every event the program sends, in order, while the recorder runs."""

    def __init__(self):
        self.seen = []
        pyatspi.Registry.registerEventListener(self.seen.append, *EVENTS)

    def pump(self, seconds=0.0):
        context = GLib.MainContext.default()
        end = time.monotonic() + seconds
        while True:
            while context.pending():
                context.iteration(False)
            if time.monotonic() >= end:
                return
            context.iteration(True) if seconds else None

    def clear(self):
        self.pump()
        self.seen.clear()

    def wait_for(self, predicate, timeout=20):
        deadline = time.monotonic() + timeout
        context = GLib.MainContext.default()
        while time.monotonic() < deadline:
            for e in self.seen:
                if predicate(e):
                    return e
            GLib.timeout_add(50, lambda: False)
            context.iteration(True)
        return None


def wait_until(predicate, timeout=20):
    deadline = time.monotonic() + timeout
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        GLib.timeout_add(50, lambda: False)
        context.iteration(True)
    return None


def find_app(name):
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.clear_cache()  # the list of applications as it is now, not as first asked
    for app in desktop:
        if app is not None and app.name == name:
            return app
    return None


def describe(node):
    states = node.getState().getStates()
    return f"{node.getRoleName()} '{node.name}' [{' '.join(pyatspi.stateToString(s) for s in states)}]"


def dump(node, depth=0, limit=4000, out=None):
    out = [] if out is None else out
    if len(out) > limit:
        return out
    out.append("  " * depth + describe(node))
    if node.childCount > 200:
        out.append("  " * (depth + 1) + f"... {node.childCount} children")
        for i in range(min(12, node.childCount)):
            dump(node.getChildAtIndex(i), depth + 1, limit, out)
        return out
    for child in node:
        if child is not None:
            dump(child, depth + 1, limit, out)
    return out


def find(root, predicate, limit=20000):
    """The first object below `root`, breadth first, that `predicate` accepts."""
    queue = [root]
    seen = 0
    while queue and seen < limit:
        node = queue.pop(0)
        seen += 1
        if node is None:
            continue
        try:
            if predicate(node):
                return node
            queue.extend(node[i] for i in range(min(node.childCount, 400)))
        except Exception:  # an object that went away while we walked
            continue
    return None


def by(role, name=None):
    return lambda n: n.getRoleName() == role and (name is None or n.name == name)


def has_state(node, state):
    return node.getState().contains(state)


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, ok, what, detail=""):
        if ok:
            self.passed += 1
            print(f"ok      {what}")
        else:
            self.failed += 1
            print(f"FAILED  {what} {detail}")
        return ok


def press(keysym_name):
    pyatspi.Registry.generateKeyboardEvent(KEYSYMS[keysym_name], None, pyatspi.KEY_SYM)


KEYSYMS = {"space": 0x20, "Down": 0xFF54, "Up": 0xFF52, "F10": 0xFFC7, "Escape": 0xFF1B}


def in_subtree(node, root):
    while node is not None:
        if node == root:
            return True
        node = node.parent
    return False


def run_checks(app, events, c):
    frame = wait_until(lambda: find(app, by("frame")))
    tree = wait_until(lambda: find(frame, by("tree")))
    table = find(frame, by("table"))
    # 1. Every control a user reaches says what it is.
    c.check(tree is not None and tree.name == "目录树", "the tree is named 目录树", tree and tree.name)
    c.check(table is not None and table.name == "内容列表", "the list is named 内容列表", table and table.name)
    for role, name in [("text", "目标文本"), ("list", "日志"), ("status bar", "状态栏"),
                       ("push button", "标题标志的类型"), ("push button", "选择模式"), ("tool bar", "工具栏")]:
        c.check(find(frame, by(role, name)) is not None, f"a {role} named {name}")
    # A combo box reads its value as its name; its label comes through the labelled-by relation.
    labels = {}
    for box in [find(frame, by("combo box", sign)) for sign in (";", "=", ";;;;;;")]:
        for relation in box.getRelationSet() if box else []:
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                labels[box.name] = relation.getTarget(0).name
    c.check(labels == {";": "注释:", "=": "分隔:", ";;;;;;": "标题标志"}, "the sign boxes are labelled", labels)
    c.check(find(tree, by("table column header")) is None, "the tree's hidden header is not read")

    # 2. The list's check cells: checkable by their role, checked or not.
    engine = wait_until(lambda: find(table, by("check box", "engine = On")))
    commented = find(table, by("check box", ";output_buffering = 4096"))
    c.check(engine is not None and has_state(engine, pyatspi.STATE_CHECKED), "a key row is a checked check box")
    c.check(commented is not None and not has_state(commented, pyatspi.STATE_CHECKED),
            "a commented row is an unchecked check box")

    # Space toggles the focused row: one checked state change from that row's cell.
    engine.queryAction().doAction(action_index(engine, "SetFocus"))
    focused = events.wait_for(lambda e: e.type.startswith("focus") and e.source.name == "engine = On")
    c.check(focused is not None, "focusing a row sends a focus event from its cell")
    events.clear()
    press("space")
    toggled = events.wait_for(lambda e: e.type == "object:state-changed:checked" and e.source.name == "engine = On")
    c.check(toggled is not None and toggled.detail1 == 0, "Space sends checked=0 from the row's cell",
            [(e.type, e.source.name, e.detail1) for e in events.seen])
    c.check(not has_state(engine, pyatspi.STATE_CHECKED), "the row reads unchecked after Space")

    # The comment command: the row's new text and state, and the log's new entry.
    events.clear()
    menu_item = find(frame, by("menu item", "注释选定行(R)"))
    menu_item.queryAction().doAction(0)
    renamed = events.wait_for(lambda e: e.type.startswith("object:property-change:accessible-name")
                              and e.source.name == ";engine = On")
    c.check(renamed is not None, "commenting sends a name change with the row's new text",
            [(e.type, e.source.name) for e in events.seen])
    log = find(frame, by("list", "日志"))
    added = events.wait_for(lambda e: e.type.startswith("object:children-changed:add") and e.source == log)
    c.check(added is not None, "the log announces its new entry")
    newest = log[log.childCount - 1]
    c.check(newest.name == "第11行 注释选定行: engine = On", "the entry reads as said, without (&R)", newest.name)
    c.check(find(log, lambda n: "&" in n.name or n.name.startswith("(-1)")) is None,
            "no entry reads an & or a (-1)")

    # 3. Moving in the tree: focus events from the tree alone, nodes opening.
    php = find(tree, by("table cell", "[PHP]"))
    c.check(php is not None and has_state(php, pyatspi.STATE_COLLAPSED), "a closed section reads collapsed")
    first = tree[0]
    first.queryAction().doAction(action_index(first, "SetFocus"))
    events.wait_for(lambda e: e.type.startswith("focus") and e.source.name == first.name)
    events.clear()
    press("Down")
    moved = events.wait_for(lambda e: e.type.startswith("focus") and e.source.name == "[PHP]")
    c.check(moved is not None, "Down in the tree sends a focus event from the next node")
    expanded = events.wait_for(lambda e: e.type == "object:state-changed:expanded" and e.source.name == "[PHP]")
    c.check(expanded is not None and expanded.detail1 == 1, "auto-expand sends expanded from the node")
    # The list follows the tree (its row is revealed, the Line panel says so) without claiming
    # the focus.
    revealed = events.wait_for(lambda e: e.type.startswith("object:property-change:accessible-name")
                               and e.source.name == "Line:7")
    c.check(revealed is not None, "the list reveals the node's row")
    stray = [e for e in events.seen if e.type.startswith("focus") and not in_subtree(e.source, tree)]
    c.check(not stray, "no focus event from outside the tree", [(e.type, e.source.name) for e in stray])
    c.check(has_state(php, pyatspi.STATE_EXPANDED) and php.childCount > 0, "the open section shows its nodes")
    child = php[0]
    depth = 0
    node = child
    while node is not None and node != tree:
        depth, node = depth + 1, node.parent
    c.check(depth == 2, "a node under a section is at level 2", depth)
    events.clear()
    php.queryAction().doAction(action_index(php, "Toggle"))
    closed = events.wait_for(lambda e: e.type == "object:state-changed:expanded" and e.source.name == "[PHP]")
    c.check(closed is not None and closed.detail1 == 0 and has_state(php, pyatspi.STATE_COLLAPSED),
            "the Toggle action closes the node and says so")


def run_dialog_checks(app, c):
    frame = find(app, by("frame"))
    # 5. The configuration dialog opened through the menu item's action: the call comes back at once.
    item = find(frame, by("menu item", "配置(C)..."))
    started = time.monotonic()
    item.queryAction().doAction(action_index(item, "Press"))
    c.check(time.monotonic() - started < 5, "the menu item's action returns while its dialog is open")
    dialog = wait_until(lambda: find(app, by("dialog", "配置"), limit=3000))
    c.check(dialog is not None, "the configuration dialog opens")
    if dialog:
        for name in ("删除注释标志", "删除分隔标志", "删除标题标志"):
            c.check(find(dialog, by("push button", name)) is not None, f"a button named {name}")
        groups = sorted(n.name for n in [find(dialog, lambda x, t=t: x.getRoleName() in ("panel", "grouping")
                                                  and x.name == t) for t in ("常规", "删除自定义标志", "默认模式")] if n)
        c.check(groups == ["删除自定义标志", "常规", "默认模式"], "its groups are told apart by name", groups)
        cancel = find(dialog, by("push button", "取消(C)"))
        cancel.queryAction().doAction(action_index(cancel, "Press"))
        c.check(wait_until(lambda: find(app, by("dialog", "配置"), limit=3000) is None), "Cancel closes it")
    # The About box: a dialog whose playfield is one graphic with a description.
    about = find(frame, by("menu item", "关于(A)"))
    about.queryAction().doAction(action_index(about, "Press"))
    box = wait_until(lambda: find(app, by("dialog", "关于"), limit=3000))
    c.check(box is not None, "the About box reads as a dialog")
    if box:
        field = find(box, by("image", "打砖块游戏"))
        c.check(field is not None and field.childCount == 0 and field.description != "",
                "its playfield is one graphic with a description")
        c.check(find(box, lambda n: n.name.startswith("Shape")) is None, "no shapes of the game are read")
    # 6. F10 opens the menu bar. Focusing a row activates the window (closing the About box),
    # which has the keyboard then: there is no window manager to give it.
    row = find(find(frame, by("table")), by("check box"))
    row.queryAction().doAction(action_index(row, "SetFocus"))
    wait_until(lambda: find(app, by("dialog", "关于"), limit=3000) is None and has_state(frame, pyatspi.STATE_ACTIVE))
    menu = find(frame, by("menu item", "文件(F)"))[0]
    press("F10")
    c.check(wait_until(lambda: has_state(menu, pyatspi.STATE_SHOWING)), "F10 opens the first menu of the menu bar")
    press("Escape")


def action_index(node, name):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            return i
    raise LookupError(f"{node.name} has no action {name}")


def start_program(desktop, program, sample):
    """Starts the program on the private desktop; returns (process, application, exit status)."""
    proc = desktop.launch([program, sample])
    app = wait_until(lambda: find_app("Varnoquil") or proc.poll() is not None, 60)
    if app is not True and app:
        return proc, app, None
    state = proc.poll()
    if state is None:
        proc.terminate()
    _, err = proc.communicate(timeout=30)
    print(f"the program did not show up on the accessibility bus "
          f"({'still running' if state is None else f'exited with {state}'})")
    print(err.decode(errors="replace")[-2000:])
    return None, None, state


def main():
    program, sample = sys.argv[1], sys.argv[2]
    attempt = int(os.environ.get("VQ_A11Y_ATTEMPT", "1"))
    desktop = Desktop()
    try:
        try:
            desktop.start()
        except BusUnavailable as why:
            print(f"SKIP: the accessibility bus cannot start here: {why}")
            return SKIP
        proc, app, state = start_program(desktop, program, sample)
        if not app:
            # A program that died before it reached the bus (its X server lost the race for a
            # display number to another one starting at the same moment) gets a new desktop, in a
            # new process: the accessibility library keeps its first bus for the process's life.
            if state is not None and attempt < 3:
                desktop.stop()
                os.environ["VQ_A11Y_ATTEMPT"] = str(attempt + 1)
                os.execv(sys.executable, [sys.executable, *sys.argv])
            return 1
        events = Events()
        if "--dump" in sys.argv:
            print("\n".join(dump(app)))
            return 0
        c = Checks()
        try:
            run_checks(app, events, c)
            run_dialog_checks(app, c)
        finally:
            proc.terminate()
        print(f"{c.passed} passed, {c.failed} failed")
        return 1 if c.failed else 0
    finally:
        desktop.stop()


if __name__ == "__main__":
    sys.exit(main())
