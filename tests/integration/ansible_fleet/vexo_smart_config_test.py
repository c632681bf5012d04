#!/usr/bin/env python3
"""ansible-playbook with vexo_smart_config against five simulated cameras.

usage: vexo_smart_config_test.py VEXO_DEVSIM VEXO_CMD ANSIBLE_FOLDER
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

DEVSIM, VEXO_CMD, ANSIBLE = sys.argv[1:4]
HERE = os.path.dirname(os.path.abspath(__file__))
PASSWORD = "Admin_123"
CAMERAS = 5
WRITES = ("CMD_Set", "CMD_Modify", "CMD_Add", "CMD_Del")


class Camera:
    def __init__(self, folder):
        self.journal = os.path.join(folder, "journal.jsonl")
        self.log = open(os.path.join(folder, "devsim.log"), "w+")
        self.process = subprocess.Popen(
            [DEVSIM, "--port", "0", "--state", os.path.join(folder, "state"),
             "--journal", self.journal, "--user", "admin:" + PASSWORD],
            stdout=self.log, stderr=subprocess.STDOUT)
        self.address = None
        for _ in range(100):
            self.log.seek(0)
            first = self.log.readline()
            if first.startswith("vexo-devsim listening on "):
                self.address = first.split()[-1]
                return
            time.sleep(0.1)
        raise RuntimeError("the simulator did not start")

    def writes(self):
        """The writing commands the camera received."""
        if not os.path.exists(self.journal):
            return []
        found = []
        with open(self.journal) as journal:
            for line in journal:
                request = json.loads(json.loads(line)["request"] or "null")
                if isinstance(request, dict) and str(request.get("op", "")).startswith(WRITES):
                    found.append(request["op"])
        return found

    def stop(self):
        self.process.terminate()
        self.process.wait()
        self.log.close()


class VexoSmartConfig(unittest.TestCase):
    # The tests run in the order of their names, on the same five cameras.

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="vexo-ansible-")
        cls.cameras = []
        for i in range(CAMERAS):
            os.mkdir(os.path.join(cls.folder, "cam%d" % i))
            cls.cameras.append(Camera(os.path.join(cls.folder, "cam%d" % i)))
        # The site's configuration: the cameras' own with one value changed.
        config = os.path.join(cls.folder, "site.json")
        subprocess.run([VEXO_CMD, "--device", cls.cameras[0].address, "--user", "admin",
                        "config", "get", "--out", config], check=True,
                       env=dict(os.environ, VEXO_PASSWORD=PASSWORD))
        with open(config) as text:
            site = json.load(text)
        site["nonScenes"]["zelk:Face_Capture_Settings"]["PictureQuality"] = "70"
        with open(config, "w") as text:
            json.dump(site, text, indent=3)
        cls.config = config

    @classmethod
    def tearDownClass(cls):
        for camera in cls.cameras:
            camera.stop()
        shutil.rmtree(cls.folder)

    def inventory(self, passwords):
        path = os.path.join(self.folder, "inventory.ini")
        with open(path, "w") as inventory:
            inventory.write("[cameras]\n")
            for i, camera in enumerate(self.cameras):
                inventory.write("cam%d device=%s ansible_password=%s\n"
                                % (i, camera.address, passwords.get(i, PASSWORD)))
            inventory.write("[cameras:vars]\nansible_connection=local\nansible_user=admin\n"
                            "ansible_python_interpreter=%s\nconfig_file=%s\nvexo_cmd=%s\n"
                            "export_folder=%s\n"
                            % (sys.executable, self.config, VEXO_CMD, self.folder))
        return path

    def playbook(self, name, *options, passwords=None):
        """Runs the playbook; returns its output and each host's recap counts."""
        environment = dict(
            os.environ, ANSIBLE_LIBRARY=ANSIBLE + "/library",
            ANSIBLE_ACTION_PLUGINS=ANSIBLE + "/action_plugins",
            ANSIBLE_LOCAL_TEMP=self.folder + "/tmp", ANSIBLE_REMOTE_TEMP=self.folder + "/tmp",
            ANSIBLE_NOCOLOR="1", ANSIBLE_FORKS=str(CAMERAS))
        run = subprocess.run(
            ["ansible-playbook", "-i", self.inventory(passwords or {}),
             os.path.join(HERE, name)] + list(options),
            env=environment, capture_output=True, text=True)
        recap = {host: dict(re.findall(r"(\w+)=(\d+)", counts))
                 for host, counts in re.findall(r"^(cam\d+)\s+:(.*)$", run.stdout, re.M)}
        self.assertEqual(sorted(recap), ["cam%d" % i for i in range(CAMERAS)],
                         run.stdout + run.stderr)
        return run.stdout, recap

    @staticmethod
    def total(recap, what):
        return sum(int(counts[what]) for counts in recap.values())

    def test_1_check_mode_writes_nothing_then_one_push_then_none(self):
        output, recap = self.playbook("push.yml", "--check", "--diff")
        self.assertEqual(self.total(recap, "changed"), CAMERAS)
        # Each camera's difference, as vexo-cmd config diff prints it.
        self.assertEqual(output.count('~ PictureQuality: "80" -> "70"'), CAMERAS, output)
        for camera in self.cameras:
            self.assertEqual(camera.writes(), [])

        _, recap = self.playbook("push.yml")
        self.assertEqual(self.total(recap, "changed"), CAMERAS)
        self.assertEqual(self.total(recap, "failed"), 0)
        for camera in self.cameras:
            self.assertNotEqual(camera.writes(), [])

        _, recap = self.playbook("push.yml")
        self.assertEqual(self.total(recap, "changed"), 0)
        self.assertEqual(self.total(recap, "failed"), 0)

        _, recap = self.playbook("export.yml")
        self.assertEqual(self.total(recap, "changed"), CAMERAS)
        with open(os.path.join(self.folder, "cam4.json")) as text:
            self.assertEqual(
                json.load(text)["nonScenes"]["zelk:Face_Capture_Settings"]["PictureQuality"],
                "70")
        self.assertEqual(self.total(self.playbook("export.yml")[1], "changed"), 0)

    def test_2_a_wrong_password_fails_alone(self):
        output, recap = self.playbook("push.yml", passwords={2: "wrong"})
        failed = sorted(host for host, counts in recap.items() if counts["failed"] != "0")
        self.assertEqual(failed, ["cam2"])
        self.assertEqual(self.total(recap, "ok"), CAMERAS - 1)
        fatal = re.search(r"^fatal: \[cam2\].*$", output, re.M)
        self.assertIsNotNone(fatal, output)
        self.assertIn("login failed", fatal.group(0))
        self.assertNotIn("wrong", fatal.group(0))  # the password is not echoed


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
