#!/usr/bin/python
# -*- coding: utf-8 -*-
# Edits one key of an INI-style file through varnoquil's command line on the managed host.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: varnoquil_ini
short_description: Set, switch off, switch on or remove a key of an INI-style file, keeping every other byte
description:
  - Runs C(varnoquil) on the managed host with C(--json) and reports what it says.
  - Only the lines the edit names change. A setting the file documents as a commented-out line
    (C(;output_buffering = 4096)) is switched on rather than a second copy added; line breaks, a
    missing final break, the encoding (GBK and other legacy code pages, UTF-16), owner, group, mode
    and access lists stay as they were. A run that changes nothing writes nothing.
  - Sections and keys are found as the Varnoquil window's topic tree shows the file. A section whose
    header appears more than once is one section; the section C("") is the part before the first
    header. Names are compared byte for byte.
version_added: "1.0.0"
options:
  path:
    description: The file to edit; it must exist.
    type: path
    required: true
    aliases: [dest]
  section:
    description: The section's name, without or with its brackets; C("") for the lines before the first section.
    type: str
    required: true
  key:
    description: The key's name, as it stands before the split sign.
    type: str
    required: true
  value:
    description: The value for I(state=present) (required there) and I(state=enabled).
    type: str
  state:
    description:
      - C(present) sets the value; C(disabled) comments every active copy out; C(enabled) switches
        the last commented copy on when no copy is active (fails when there is none); C(absent)
        removes the active lines.
    type: str
    choices: [present, disabled, enabled, absent]
    default: present
  pattern:
    description: The signs' pattern, as C(varnoquil --pattern) (0 General, 1 *.ini, 2 php.ini, 3 httpd.conf); C(varnoquil)'s default when unset.
    type: int
    choices: [0, 1, 2, 3]
  rem:
    description: The comment sign, over the pattern's.
    type: str
  split:
    description: The split sign, over the pattern's.
    type: str
  encoding:
    description: The code page of a file that is not UTF-8, as C(varnoquil --encoding) (GB18030, Big5, Shift_JIS, EUC-KR, windows-1252); GB18030 when unset.
    type: str
  backup:
    description: When the file changes, keep a copy of it as it was beside it, with a time stamp in its name.
    type: bool
    default: false
  executable:
    description: The varnoquil program, a path or a name looked up on the managed host's PATH.
    type: str
    default: varnoquil
attributes:
  check_mode:
    support: full
  diff_mode:
    support: full
author:
  - Varnoquil developers
"""

EXAMPLES = r"""
- name: PHP's memory limit
  varnoquil.config.varnoquil_ini:
    path: /etc/php/8.2/fpm/php.ini
    section: PHP
    key: memory_limit
    value: 256M
    backup: true

- name: Comment WINS support out instead of deleting it
  varnoquil.config.varnoquil_ini:
    path: /etc/samba/smb.conf
    pattern: 1
    section: global
    key: wins support
    state: disabled
"""

RETURN = r"""
path:
  description: The file edited.
  returned: always
  type: str
operations:
  description: What varnoquil did, one entry per operation (operation, section, key, value, result, changed).
  returned: always
  type: list
  elements: dict
backup_file:
  description: The copy of the file as it was, when I(backup) made one.
  returned: changed and backup
  type: str
"""

import json
import os

from ansible.module_utils.basic import AnsibleModule

STATE_OPTIONS = {
    "present": "--set",
    "disabled": "--disable",
    "enabled": "--enable",
    "absent": "--delete",
}


def edit_arguments(params):
    state = params["state"]
    option = STATE_OPTIONS[state]
    if state == "enabled" and params["value"] is not None:
        option = "--set"
    args = [option, params["section"], params["key"]]
    if option == "--set":
        args.append(params["value"])
    for name in ("pattern", "rem", "split", "encoding"):
        if params[name] is not None:
            args += ["--" + name, str(params[name])]
    return args


def run(module, program, edit, check, diff):
    command = [program] + edit + ["--json"]
    if check:
        command.append("--check")
    if diff:
        command.append("--diff")
    command += ["--", module.params["path"]]
    rc, out, err = module.run_command(command, encoding="utf-8", errors="surrogate_or_replace")
    report = None
    try:
        report = json.loads(out) if out.strip() else None
    except ValueError:
        report = None
    if rc != 0 or report is None:
        message = (report or {}).get("msg") or err.strip() or "varnoquil failed with status %d" % rc
        module.fail_json(msg=message, rc=rc, stdout=out, stderr=err, path=module.params["path"],
                         operations=(report or {}).get("operations", []))
    return report


def main():
    module = AnsibleModule(
        argument_spec=dict(
            path=dict(type="path", required=True, aliases=["dest"]),
            section=dict(type="str", required=True),
            key=dict(type="str", required=True, no_log=False),
            value=dict(type="str"),
            state=dict(type="str", default="present", choices=list(STATE_OPTIONS)),
            pattern=dict(type="int", choices=[0, 1, 2, 3]),
            rem=dict(type="str"),
            split=dict(type="str"),
            encoding=dict(type="str"),
            backup=dict(type="bool", default=False),
            executable=dict(type="str", default="varnoquil"),
        ),
        required_if=[("state", "present", ["value"])],
        supports_check_mode=True,
    )
    params = module.params
    executable = params["executable"]
    program = executable if os.sep in executable else module.get_bin_path(executable, required=True)
    edit = edit_arguments(params)

    result = dict(changed=False, path=params["path"])
    if params["backup"] and not module.check_mode:
        # The copy is made only when the edit will change the file.
        if run(module, program, edit, check=True, diff=False)["changed"]:
            result["backup_file"] = module.backup_local(params["path"])
    report = run(module, program, edit, check=module.check_mode, diff=module._diff)
    result["changed"] = bool(report["changed"])
    result["operations"] = report.get("operations", [])
    if module._diff and report.get("diff"):
        result["diff"] = dict(prepared=report["diff"])
    module.exit_json(**result)


if __name__ == "__main__":
    main()
