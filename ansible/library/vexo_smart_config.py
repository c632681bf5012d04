#!/usr/bin/python3
# The analytics configuration of one camera, through vexo-cmd.

DOCUMENTATION = r"""
module: vexo_smart_config
short_description: Push or export the analytics configuration of a camera
description:
  - Compares the camera's batch configuration with a file and writes the file
    only when they differ (vexo-cmd config diff, then config set). In check
    mode nothing is written; with --diff the difference is shown as vexo-cmd
    prints it, grouped by scene, function and rule.
  - With state=exported the camera's configuration is saved to a file.
  - The password reaches vexo-cmd in its environment, never on a command line
    that ps would show. The action plugin of the same name takes the user and
    password from ansible_user and ansible_password when the task names none.
options:
  device: {description: HOST:PORT of the camera, required: true, type: str}
  user: {description: the camera's user, type: str, default: admin}
  password: {description: its password, type: str, no_log: true}
  state:
    description: present pushes src; exported saves the configuration to dest
    choices: [present, exported]
    default: present
    type: str
  src: {description: the configuration to push (as vexo-cmd config get writes it, or the control's export file), type: path}
  dest: {description: where state=exported saves the configuration, type: path}
  timeout_ms: {description: time-out of each exchange with the camera, type: int}
  vexo_cmd: {description: the vexo-cmd program, type: path, default: vexo-cmd}
"""

EXAMPLES = r"""
- name: One analytics configuration on every camera
  vexo_smart_config:
    device: "{{ camera_address }}"
    src: files/site-analytics.json
"""

import os
import tempfile

from ansible.module_utils.basic import AnsibleModule

# vexo-cmd config diff: 0 equal, 1 different, 2 error.
DIFF_EQUAL, DIFF_CHANGED = 0, 1


def run_cmd(module, *words):
    p = module.params
    command = [p["vexo_cmd"], "--device", p["device"], "--user", p["user"]]
    if p["timeout_ms"]:
        command += ["--timeout-ms", str(p["timeout_ms"])]
    # Without a password the controller's own VEXO_PASSWORD, if any, is used.
    environment = {} if p["password"] is None else {"VEXO_PASSWORD": p["password"]}
    return module.run_command(command + list(words), environ_update=environment)


def fail(module, what, code, out, err):
    module.fail_json(msg="%s failed on %s: %s" % (what, module.params["device"],
                                                   (err or out).strip()), rc=code)


def present(module):
    src = module.params["src"]
    if not src or not os.path.isfile(src):
        module.fail_json(msg="state=present needs src, a readable file")
    code, out, err = run_cmd(module, "config", "diff", src)
    if code not in (DIFF_EQUAL, DIFF_CHANGED):
        fail(module, "config diff", code, out, err)
    result = {"changed": code == DIFF_CHANGED}
    if module._diff and code == DIFF_CHANGED:
        result["diff"] = {"prepared": out}
    if code == DIFF_CHANGED and not module.check_mode:
        code, out, err = run_cmd(module, "config", "set", src)
        if code != 0:
            fail(module, "config set", code, out, err)
        result["msg"] = out.strip()
    module.exit_json(**result)


def exported(module):
    dest = module.params["dest"]
    if not dest:
        module.fail_json(msg="state=exported needs dest")
    folder = os.path.dirname(os.path.abspath(dest))
    handle, fresh = tempfile.mkstemp(dir=folder, prefix=".vexo-config-")
    os.close(handle)
    try:
        code, out, err = run_cmd(module, "config", "get", "--out", fresh)
        if code != 0:
            fail(module, "config get", code, out, err)
        with open(fresh, "rb") as new:
            text = new.read()
        old = None
        if os.path.exists(dest):
            with open(dest, "rb") as current:
                old = current.read()
        changed = old != text
        result = {"changed": changed, "dest": dest}
        if module._diff and changed:
            result["diff"] = {"before": (old or b"").decode("utf-8", "replace"),
                              "after": text.decode("utf-8", "replace"),
                              "before_header": dest, "after_header": module.params["device"]}
        if changed and not module.check_mode:
            module.atomic_move(fresh, dest)
        module.exit_json(**result)
    finally:
        if os.path.exists(fresh):
            os.unlink(fresh)


def main():
    module = AnsibleModule(
        argument_spec=dict(
            device=dict(type="str", required=True),
            user=dict(type="str", default="admin"),
            password=dict(type="str", no_log=True),
            state=dict(type="str", choices=["present", "exported"], default="present"),
            src=dict(type="path"),
            dest=dict(type="path"),
            timeout_ms=dict(type="int"),
            vexo_cmd=dict(type="path", default="vexo-cmd"),
        ),
        supports_check_mode=True,
    )
    if module.params["state"] == "present":
        present(module)
    else:
        exported(module)


if __name__ == "__main__":
    main()
