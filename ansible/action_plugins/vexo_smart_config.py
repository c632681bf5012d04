# Fills the module's user and password from the host's connection variables
# (ansible_user, ansible_password, kept in a vault or the inventory) when the
# task names none, so that playbooks carry no credentials.
from ansible.plugins.action import ActionBase


class ActionModule(ActionBase):
    def run(self, tmp=None, task_vars=None):
        task_vars = task_vars or {}
        result = super().run(tmp, task_vars)
        arguments = dict(self._task.args)
        for option, variable in (("user", "ansible_user"), ("password", "ansible_password")):
            if arguments.get(option) is None and task_vars.get(variable) is not None:
                arguments[option] = self._templar.template(task_vars[variable])
        result.update(self._execute_module(module_name="vexo_smart_config",
                                           module_args=arguments, task_vars=task_vars))
        return result
