#!/usr/bin/env python3
"""Times how long programs take to map their first top-level window on the
X display in DISPLAY, read from the X server's own MapNotify events through
libX11 (no window manager needed, no polling).

map_time.py PAIRS PROGRAM -- YARDSTICK ...
Runs PROGRAM and YARDSTICK in turn, PAIRS times each, and prints each pair's
times and the median of PROGRAM's time over YARDSTICK's. The first word of
YARDSTICK's arguments may be the word SIZE, which becomes the width and the
height of PROGRAM's first window.
"""
import ctypes
import select
import statistics
import subprocess
import sys
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]


class MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("map", MapEvent), ("pad", ctypes.c_long * 24)]


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int)]


x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("map_time.py: cannot open the display")
x11.XSelectInput(display, x11.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
x11.XFlush(display)
fd = x11.XConnectionNumber(display)


def next_map(deadline):
    event = Event()
    while True:
        while x11.XPending(display):
            x11.XNextEvent(display, ctypes.byref(event))
            if event.type == MAP_NOTIFY and not event.map.override_redirect:
                return event.map.window
        left = deadline - time.monotonic()
        if left <= 0:
            return None
        select.select([fd], [], [], left)


def drain():
    event = Event()
    while x11.XPending(display):
        x11.XNextEvent(display, ctypes.byref(event))


def timed(command):
    """Seconds from starting `command` until it maps a top-level window, and that window's size."""
    drain()
    started = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = next_map(started + 30)
    took = time.monotonic() - started
    attributes = (ctypes.c_int * 64)()
    if window is not None:
        x11.XGetWindowAttributes(display, window, attributes)
    process.terminate()
    process.wait()
    if window is None:
        sys.exit(f"map_time.py: {command[0]} mapped no window")
    return took, (attributes[2], attributes[3])


def main():
    pairs = int(sys.argv[1])
    split = sys.argv.index("--")
    program, yardstick = sys.argv[2:split], sys.argv[split + 1:]
    if yardstick[1:2] == ["SIZE"]:
        _, (width, height) = timed(program)
        yardstick[1:2] = [str(width), str(height)]
        print(f"window size {width}x{height}")
    ratios = []
    for pair in range(pairs):
        mine, _ = timed(program)
        theirs, _ = timed(yardstick)
        ratios.append(mine / theirs)
        print(f"pair {pair + 1:2}: {mine * 1000:6.1f} ms against {theirs * 1000:6.1f} ms, ratio {ratios[-1]:.2f}")
    print(f"median ratio {statistics.median(ratios):.2f}")


main()
