#!/usr/bin/python3
"""Runs a program on an X display split into monitors with RandR.

Usage: monitors.py NAME:X:Y:WxH[:primary] ... -- program [args...]

The X server keeps a monitor that a client defines only while that client
stays connected, so this script defines the monitors and holds its connection
until the program has finished. Exits with the program's status, or 77 when
there is no display or no RandR library.
"""
import ctypes
import ctypes.util
import subprocess
import sys


class Monitor(ctypes.Structure):
    _fields_ = [("name", ctypes.c_ulong), ("primary", ctypes.c_int),
                ("automatic", ctypes.c_int), ("noutput", ctypes.c_int),
                ("x", ctypes.c_int), ("y", ctypes.c_int),
                ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("mwidth", ctypes.c_int), ("mheight", ctypes.c_int),
                ("outputs", ctypes.c_void_p)]


def main():
    split = sys.argv.index("--")
    layouts, program = sys.argv[1:split], sys.argv[split + 1:]
    try:
        x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        randr = ctypes.CDLL(ctypes.util.find_library("Xrandr") or "libXrandr.so.2")
    except OSError as error:
        print(f"monitors.py: skipped: {error}")
        return 77
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    randr.XRRAllocateMonitor.restype = ctypes.POINTER(Monitor)
    randr.XRRAllocateMonitor.argtypes = [ctypes.c_void_p, ctypes.c_int]
    randr.XRRSetMonitor.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(Monitor)]

    display = x11.XOpenDisplay(None)
    if not display:
        print("monitors.py: skipped: no X display")
        return 77
    root = x11.XDefaultRootWindow(display)
    for layout in layouts:
        name, x, y, size, *flags = layout.split(":")
        width, height = (int(v) for v in size.split("x"))
        monitor = randr.XRRAllocateMonitor(display, 0).contents
        monitor.name = x11.XInternAtom(display, name.encode(), 0)
        monitor.primary = int("primary" in flags)
        monitor.x, monitor.y = int(x), int(y)
        monitor.width, monitor.height = width, height
        # 96 dots per inch
        monitor.mwidth, monitor.mheight = width * 254 // 960, height * 254 // 960
        randr.XRRSetMonitor(display, root, ctypes.byref(monitor))
    x11.XSync(display, 0)
    return subprocess.run(program, check=False, timeout=120).returncode


if __name__ == "__main__":
    sys.exit(main())
