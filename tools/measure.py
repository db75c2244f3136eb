"""Measures how a windowed program starts and idles on the X display in $DISPLAY.

tools/measure.sh runs this under a private Xvfb; see there for the options.
For every run it starts the command with a throw-away home folder and reports:

- first frame: milliseconds from the start until the screen first shows a
  picture (more than one colour; the X server must start with a black root,
  Xvfb's -br, so that an empty or cleared window does not count);
- busy CPU: the share of one core the program used while its first screen
  animates (optional);
- resident memory a number of seconds after the start (VmRSS);
- idle CPU: milliseconds of processor time over the idle window, from
  /proc/PID/stat, and the number of times its threads were woken
  (context switches of every thread, from /proc/PID/task/*/status);
- helper processes: processes the program started that carry its home folder
  in their environment (dbus-launch and the like) and are still running.
"""

import argparse
import ctypes
import ctypes.util
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

CLOCK_TICK_MS = 1000.0 / os.sysconf("SC_CLK_TCK")


class XImage(ctypes.Structure):
    _fields_ = [
        ("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
        ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
        ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
        ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
        ("obdata", ctypes.c_void_p), ("create_image", ctypes.c_void_p),
        ("destroy_image", ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p)),
        ("get_pixel", ctypes.c_void_p), ("put_pixel", ctypes.c_void_p),
        ("sub_image", ctypes.c_void_p), ("add_pixel", ctypes.c_void_p),
    ]


class Screen:
    """The X display's root window, read back pixel by pixel."""

    def __init__(self):
        self.xlib = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.xlib.XOpenDisplay.restype = ctypes.c_void_p
        self.xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.xlib.XDefaultRootWindow.restype = ctypes.c_ulong
        self.xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.xlib.XGetImage.restype = ctypes.POINTER(XImage)
        self.xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                        ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                                        ctypes.c_ulong, ctypes.c_int]
        self.xlib.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.xlib.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.display = self.xlib.XOpenDisplay(None)
        if not self.display:
            sys.exit("measure: cannot open the X display " + os.environ.get("DISPLAY", ""))
        self.root = self.xlib.XDefaultRootWindow(self.display)
        self.width = self.xlib.XDisplayWidth(self.display, 0)
        self.height = self.xlib.XDisplayHeight(self.display, 0)

    def shows_picture(self):
        """True when one of three rows across the screen holds more than one colour.

        Reading three rows instead of the whole screen keeps the X server (which
        the measured program waits on at every step of its start) nearly free
        between polls; any window of a usual size crosses one of them."""
        for row in (self.height // 4, self.height // 2, self.height * 3 // 4):
            image = self.xlib.XGetImage(self.display, self.root, 0, row, self.width, 1,
                                        ctypes.c_ulong(-1).value, 2)  # all planes, ZPixmap
            if not image:
                continue
            try:
                words = (ctypes.c_uint32 * (image.contents.bytes_per_line // 4)).from_address(
                    image.contents.data)
                if len(set(words[:self.width])) > 1:
                    return True
            finally:
                image.contents.destroy_image(ctypes.cast(image, ctypes.c_void_p))
        return False


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime + stime of all threads


def wakes_by_thread(pid):
    """Context switches so far of each thread, by thread id and name."""
    found = {}
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/status") as status:
                count, name = 0, "?"
                for line in status:
                    if line.startswith("Name:"):
                        name = line.split(None, 1)[1].strip()
                    elif line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                        count += int(line.split()[1])
                found[(task, name)] = count
        except OSError:
            pass
    return found


def woken_threads(before, after):
    """Threads woken between two readings, with how often; new threads count whole."""
    return {key: count - before.get(key, 0) for key, count in after.items()
            if count - before.get(key, 0) > 0}


def threads(pid):
    return len(os.listdir(f"/proc/{pid}/task"))


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def largest_mappings(pid, count=10):
    sizes = {}
    name = None
    with open(f"/proc/{pid}/smaps") as smaps:
        for line in smaps:
            parts = line.split()
            if "-" in parts[0] and len(parts) >= 5 and not parts[0].endswith(":"):
                name = parts[5] if len(parts) > 5 else "[anonymous]"
            elif parts[0] == "Rss:":
                sizes[name] = sizes.get(name, 0) + int(parts[1])
    return sorted(sizes.items(), key=lambda item: -item[1])[:count]


def helpers(home, program_pid):
    """Processes that run with the program's home folder, other than the program."""
    found = []
    marker = b"HOME=" + home.encode() + b"\0"
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) in (program_pid, os.getpid()):
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as environ:
                if marker not in environ.read():
                    continue
            with open(f"/proc/{entry}/comm") as comm:
                found.append((int(entry), comm.read().strip()))
        except OSError:
            pass
    return found


def wait_until(start, seconds):
    delay = start + seconds - time.monotonic()
    if delay > 0:
        time.sleep(delay)


def prepare_home(home, command):
    os.makedirs(os.path.join(home, "Documents"), exist_ok=True)
    os.makedirs(os.path.join(home, "runtime"), exist_ok=True)
    # Tavlo's data folder already exists, as after its first start: the
    # program copies its default data there then.
    program_folder = os.path.dirname(os.path.abspath(command[0]))
    data = os.path.join(program_folder, "data")
    target = os.path.join(home, "Documents", "Tavlo")
    if os.path.basename(command[0]) == "tavlo" and os.path.isdir(data) and not os.path.exists(target):
        os.makedirs(target)
        for entry in os.listdir(data):
            if os.path.isdir(os.path.join(data, entry)):
                shutil.copytree(os.path.join(data, entry), os.path.join(target, entry))


def send_keys(pid, keys):
    windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                             capture_output=True, text=True).stdout.split()
    if windows:
        subprocess.run(["xdotool", "windowfocus", "--sync", windows[0]], capture_output=True)
    for key in keys:
        subprocess.run(["xdotool", "key", key], capture_output=True)
        time.sleep(1.0)


def end(process, home):
    for pid, _ in helpers(home, process.pid):
        try:
            os.kill(pid, signal.SIGTERM)
        except OSError:
            pass
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def run_once(screen, command, args, home):
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=os.path.join(home, "runtime"))
    result = {}
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        while not screen.shows_picture():
            if process.poll() is not None or time.monotonic() - start > 30:
                raise RuntimeError("the program showed no picture")
            time.sleep(0.004)
        first_frame = time.monotonic()
        result["first frame ms"] = (first_frame - start) * 1000
        if args.busy > 0:
            wait_until(first_frame, 1.5)
            ticks = cpu_ticks(process.pid)
            time.sleep(args.busy)
            result["busy % of a core"] = (cpu_ticks(process.pid) - ticks) * CLOCK_TICK_MS / (
                args.busy * 10)
        if args.keys:
            wait_until(first_frame, 1.0)
            send_keys(process.pid, args.keys.split())
        wait_until(start, args.rss_at)
        result["resident MB"] = resident_kb(process.pid) / 1024
        if args.smaps:
            for name, kb in largest_mappings(process.pid):
                print(f"    {kb / 1024:7.1f} MB  {name}")
        result["threads"] = threads(process.pid)
        wait_until(start, max(args.idle_from, args.rss_at))
        ticks, before = cpu_ticks(process.pid), wakes_by_thread(process.pid)
        time.sleep(args.idle)
        result[f"idle CPU ms / {args.idle:g} s"] = (cpu_ticks(process.pid) - ticks) * CLOCK_TICK_MS
        woken = woken_threads(before, wakes_by_thread(process.pid))
        result[f"idle wakes / {args.idle:g} s"] = sum(woken.values())
        result["woken threads"] = " ".join(f"{name}:{count}" for (_, name), count in woken.items()) or "-"
        result["helpers"] = " ".join(name for _, name in helpers(home, process.pid)) or "-"
        if args.shot:
            subprocess.run(["import", "-window", "root", args.shot], capture_output=True)
    finally:
        end(process, home)
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--warm-up", type=int, default=1,
                        help="runs before the measured ones, not reported")
    parser.add_argument("--keys", default="",
                        help="keys sent one by one, from 1 s after the first frame")
    parser.add_argument("--busy", type=float, default=0,
                        help="seconds of CPU share measured from 1.5 s after the first frame")
    parser.add_argument("--rss-at", type=float, default=8)
    parser.add_argument("--idle-from", type=float, default=12)
    parser.add_argument("--idle", type=float, default=10)
    parser.add_argument("--smaps", action="store_true", help="print the largest mappings")
    parser.add_argument("--shot", help="a screenshot of the last run's end, to check the screen")
    parser.add_argument("command", nargs="+")
    args = parser.parse_args()

    screen = Screen()
    home = tempfile.mkdtemp(prefix="measure-home-")
    try:
        prepare_home(home, args.command)
        results = []
        for number in range(args.warm_up + args.runs):
            result = run_once(screen, args.command, args, home)
            if number < args.warm_up:
                continue
            results.append(result)
            print(f"run {len(results)}: " + ", ".join(
                f"{key} {value:.0f}" if isinstance(value, float) else f"{key} {value}"
                for key, value in result.items()))
        print(f"median of {len(results)} runs of {' '.join(args.command)}:")
        for key, value in results[0].items():
            if isinstance(value, (int, float)):
                median = statistics.median(result[key] for result in results)
                print(f"  {key:22} {median:8.1f}")
    finally:
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    main()
