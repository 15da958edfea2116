#!/usr/bin/env python3
"""Runs several builds of the program and cat in turn on one generated day, so that the
machine's drift touches them all alike, and prints the medians of wall time and of CPU time
(user and system, all threads), and each build's median ratio, run by run, to the first build.

    bench/paire.py RUNS PROGRAM...

Each PROGRAM is run as `PROGRAM 28-02-2012` in a temporary folder holding a
200,000-client day made by generer_ventes (from the build folder of the first PROGRAM),
with the outputs removed before every run."""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

runs, programs = int(sys.argv[1]), [os.path.abspath(p) for p in sys.argv[2:]]
folder = tempfile.mkdtemp()
try:
    os.chdir(folder)
    generator = os.path.join(os.path.dirname(programs[0]), "generer_ventes")
    subprocess.run([generator, "200000", "2012", "vente28-02-2012.txt"], check=True)
    subprocess.run([programs[0], "28-02-2012"], stdout=subprocess.DEVNULL, check=True)
    os.rename("facture 28-02-2012.txt", "reference.txt")
    commands = [[p, "28-02-2012"] for p in programs]
    commands.append(["sh", "-c", "cat reference.txt > copie.txt"])
    times = [[] for _ in commands]
    cpus = [[] for _ in commands]
    for run in range(runs + 2):  # the first two warm the caches
        for k, command in enumerate(commands):
            for name in ("facture 28-02-2012.txt", "facture 28-02-2012.pdf",
                         "facture 28-02-2012.csv", "copie.txt"):
                if os.path.exists(name):
                    os.remove(name)
            start = time.perf_counter()
            child = subprocess.Popen(command, stdout=subprocess.DEVNULL)
            _, status, usage = os.wait4(child.pid, 0)
            child.returncode = os.waitstatus_to_exitcode(status)
            if child.returncode != 0:
                raise subprocess.CalledProcessError(child.returncode, command)
            if run >= 2:
                times[k].append(time.perf_counter() - start)
                cpus[k].append(usage.ru_utime + usage.ru_stime)
    cat = statistics.median(times[-1])
    for k, program in enumerate(programs):
        ratio = statistics.median(t / t0 for t, t0 in zip(times[k], times[0]))
        median = statistics.median(times[k])
        cpu = statistics.median(cpus[k])
        cpuRatio = statistics.median(c / c0 for c, c0 in zip(cpus[k], cpus[0]))
        print("%-30s %.4f s  %.2f times cat  %.3f times the first;  CPU %.4f s, %.3f times"
              % (program, median, median / cat, ratio, cpu, cpuRatio))
    print("cat %.4f s" % cat)
finally:
    shutil.rmtree(folder)
