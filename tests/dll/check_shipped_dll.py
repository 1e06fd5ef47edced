#!/usr/bin/env python3
"""Checks the shipped tarnwick.dll as a file, on machines that cannot run it.

The host loads a 32-bit DLL, finds the nine entry points by their plain
names, and the user copies one file: so the DLL must be a PE file for i386,
export exactly those names, import only from DLLs that every Windows has, and
carry its version information.
"""
import re
import subprocess
import sys

ENTRY_POINTS = {
    "APCGetPlugName", "APCStartUp", "APCFolderCreate", "APCFolderInitMenu",
    "APCRecFilter", "APCFolderEndRetrieve", "APCFolderClose", "APCSetup",
    "APCVersionInfo",
}
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll",
    "msvcrt.dll", "ole32.dll", "oleaut32.dll", "shell32.dll", "shlwapi.dll",
    "user32.dll", "version.dll",
}
RT_VERSION = 0x10


def exported_names(dump):
    table = dump.split("[Ordinal/Name Pointer] Table", 1)
    if len(table) < 2:
        return set()
    return set(re.findall(r"^\s*\[\s*\d+\] (\S+)$", table[1], re.MULTILINE))


def resource_types(dump):
    section = dump.split("The .rsrc Resource Directory section:", 1)
    if len(section) < 2:
        return set()
    # Types are the entries of the root table, indented by two spaces.
    return {int(t, 16) for t in re.findall(r"^[0-9a-f]+   Entry: ID: 0x([0-9a-f]+)",
                                           section[1], re.MULTILINE)}


def faults_of(dump):
    faults = []
    if not re.search(r"file format pei-i386$", dump, re.MULTILINE):
        faults.append("not a PE file for i386")
    names = exported_names(dump)
    if names != ENTRY_POINTS:
        faults.append("exports differ: missing %s, extra %s" % (
            sorted(ENTRY_POINTS - names), sorted(names - ENTRY_POINTS)))
    imports = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
    if not imports or imports - SYSTEM_DLLS:
        faults.append("imports from non-system DLLs: %s" % sorted(imports - SYSTEM_DLLS))
    if RT_VERSION not in resource_types(dump):
        faults.append("no VERSIONINFO resource")
    return faults


def main():
    dll = sys.argv[1]
    dump = subprocess.run(["i686-w64-mingw32-objdump", "-p", dll], check=True,
                          capture_output=True, text=True).stdout
    faults = faults_of(dump)
    for fault in faults:
        print("%s: %s" % (dll, fault))
    if faults:
        return 1
    print("%s: i386, the nine entry points, system imports only, VERSIONINFO" % dll)
    return 0


if __name__ == "__main__":
    sys.exit(main())
