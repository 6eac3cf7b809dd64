#!/usr/bin/env python3
"""Starts two programs in turn and times each until its window is mapped on
the X display: from the start of the command to the X server's MapNotify of
the first top-level window of at least 100 by 100 pixels (no window manager
needed, no polling of the program).

    window_mapped.py PAIRS PROGRAM [ARGS…] -- BASELINE [ARGS…]

Prints one line per pair, then the median ratio of the program's time to the
baseline's over the pairs, with the middle half of the pairs' ratios. Beside the time on the clock, which other work on
the machine stretches, it gives the processor time that the program's process
and those under it had used by then, which such work leaves alone. The word
SIZE among the baseline's arguments becomes the width and then the height of
the program's window. DISPLAY (and for `wine PROGRAM.exe`, WINEPREFIX) come
from the environment.
"""
import os
import ctypes
import ctypes.util
import select
import statistics
import subprocess
import sys
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class Attributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("rest", ctypes.c_char * 256)]


xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XDefaultRootWindow.restype = ctypes.c_ulong
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
xlib.XConnectionNumber.argtypes = [ctypes.c_void_p]
xlib.XPending.argtypes = [ctypes.c_void_p]
xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
xlib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]

display = xlib.XOpenDisplay(None)
if not display:
    sys.exit("window_mapped.py: no X display")
xlib.XSelectInput(display, xlib.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
xlib.XSync(display, 0)
connection = xlib.XConnectionNumber(display)
event = ctypes.create_string_buffer(192)


def processor_seconds(root):
    """Time on a processor of `root` and the processes under it, of all their
    threads, to the nanosecond (schedstat)."""
    parents = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                parents[int(entry)] = int(stat.read().rsplit(")", 1)[1].split()[1])
        except OSError:
            continue
    total, todo = 0, [root]
    while todo:
        pid = todo.pop()
        try:
            for task in os.listdir(f"/proc/{pid}/task"):
                with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                    total += int(schedstat.read().split()[0])
        except OSError:
            pass
        todo.extend(child for child, parent in parents.items() if parent == pid)
    return total / 1e9


def drain():
    while xlib.XPending(display):
        xlib.XNextEvent(display, event)


def time_until_mapped(command, timeout=30.0):
    """Seconds on the clock and on the processor until `command` maps its
    window, and that window's size."""
    drain()
    start = time.monotonic()
    process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        while time.monotonic() - start < timeout:
            select.select([connection], [], [], 0.05)
            while xlib.XPending(display):
                xlib.XNextEvent(display, event)
                mapped = MapEvent.from_buffer(event)
                if mapped.type != MAP_NOTIFY:
                    continue
                attributes = Attributes()
                xlib.XGetWindowAttributes(display, mapped.window, ctypes.byref(attributes))
                if attributes.width >= 100 and attributes.height >= 100:
                    size = [str(attributes.width), str(attributes.height)]
                    return time.monotonic() - start, processor_seconds(process.pid), size
        sys.exit(f"window_mapped.py: {' '.join(command)} showed no window in {timeout} s")
    finally:
        process.kill()
        process.wait()
        # The server closes the program's windows once its process is gone.
        time.sleep(0.5)


def main():
    pairs = int(sys.argv[1])
    split = sys.argv.index("--")
    program, baseline = sys.argv[2:split], sys.argv[split + 1:]
    # Once each unmeasured: the files in the page cache, Wine's own DLLs loaded once.
    _, _, size = time_until_mapped(program)
    if "SIZE" in baseline:
        at = baseline.index("SIZE")
        baseline[at:at + 1] = size
    time_until_mapped(baseline)
    clock_ratios, processor_ratios = [], []
    for pair in range(pairs):
        # In turn, each going first every other pair, so that neither gains from the other's leftovers.
        order = [baseline, program] if pair % 2 == 0 else [program, baseline]
        times = {tuple(command): time_until_mapped(command) for command in order}
        (clock, processor, _), (base_clock, base_processor, _) = times[tuple(program)], times[tuple(baseline)]
        clock_ratios.append(clock / base_clock)
        processor_ratios.append(processor / base_processor)
        print(f"pair {pair + 1}: program {clock * 1000:.0f} ms ({processor * 1000:.0f} ms processor), "
              f"empty window {base_clock * 1000:.0f} ms ({base_processor * 1000:.0f} ms processor), "
              f"ratio {clock_ratios[-1]:.3f} ({processor_ratios[-1]:.3f})", flush=True)
    # The middle half of the pairs beside each median: how far one run's median can be trusted.
    def summary(ratios):
        low, median, high = statistics.quantiles(ratios, n=4)
        return f"{median:.3f} (middle half {low:.3f}-{high:.3f})"
    print(f"median ratio over {pairs} pairs: {summary(clock_ratios)} on the clock, "
          f"{summary(processor_ratios)} in processor time")


main()
