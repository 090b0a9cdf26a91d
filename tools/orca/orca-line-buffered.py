# Runs Orca (its arguments as given) with its debug file written line by line, so that
# what Orca speaks can be read at once, not when a buffer of several kilobytes fills.
import builtins
import runpy
import sys

_open = builtins.open
_debugFile = sys.argv[sys.argv.index("--debug-file") + 1]


def _lineBuffered(file, mode="r", *args, **kwargs):
    if file == _debugFile and "w" in mode:
        return _open(file, mode, 1)
    return _open(file, mode, *args, **kwargs)


builtins.open = _lineBuffered
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
