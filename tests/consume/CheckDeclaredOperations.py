#!/usr/bin/env python3
"""Checks that the shared library exports every operation its installed headers declare.

    CheckDeclaredOperations.py --clang <clang++> --nm <nm> --library <libvarod9.so>
        --headers <list file> [--extra-header <header>]... -I <dir>...

A host reaches the library through what the installed headers declare. Every function, member
function, constructor, destructor, static data member and extern object that a header declares
without defining it there (not inline, not pure, not deleted, not defaulted in the class, not a
template) is the library's to define, and a host's program links against it by its mangled name:
that name must be a defined symbol the library exports. A class whose virtual table the library
emits (one of its virtual functions is declared and not defined in the header) must export its
virtual table and type information too, which a host's class derived from it refers to.

clang parses one translation unit that includes every header of the list (and the extra ones, for
the check's own test) and dumps its syntax tree as JSON; the declarations of the listed headers
are taken from it. The dump holds the standard library too and runs to hundreds of megabytes, so
it is read as a stream of lines: its top-level declarations are the objects indented by four
spaces, and only those that lie in a listed header are parsed.
"""
import argparse
import json
import os
import re
import subprocess
import sys
import tempfile

# Declarations whose members are not the library's to define: templates are instantiated where
# they are used.
TEMPLATE_KINDS = {"ClassTemplateDecl", "FunctionTemplateDecl", "ClassTemplatePartialSpecializationDecl",
                  "VarTemplateDecl", "TypeAliasTemplateDecl"}
FUNCTION_KINDS = {"FunctionDecl", "CXXMethodDecl", "CXXConstructorDecl", "CXXDestructorDecl", "CXXConversionDecl"}
RECORD_KINDS = {"CXXRecordDecl", "ClassTemplateSpecializationDecl"}
SCOPE_KINDS = {"NamespaceDecl", "LinkageSpecDecl", "ExportDecl"}

FILE_LINE = re.compile(r'^\s*"file": "(.*)",?$')
LINE_LINE = re.compile(r'^\s*"line": (\d+),?$')


def top_level_declarations(lines, wanted):
    """Yields (file, line, declaration) for each top-level declaration of the dump that lies in
    one of the `wanted` files, with the file and line in force where the declaration starts. The
    dump gives a location's file and line only where they differ from the location printed before
    it, so both are followed through every line."""
    current_file = None
    current_line = 0
    previous = ""
    chunk = None      # lines of the declaration being read, None between declarations
    start = None      # the file and line in force where it starts
    located = False   # whether the declaration's own location has been read
    keep = False
    for raw in lines:
        stripped = raw.strip()
        if stripped.startswith('"file"'):
            match = FILE_LINE.match(raw)
            if match and not previous.startswith('"includedFrom"'):
                current_file = match.group(1)
        elif stripped.startswith('"line"'):
            match = LINE_LINE.match(raw)
            if match:
                current_line = int(match.group(1))
        previous = stripped
        if chunk is None:
            if raw.startswith("    {") and not raw.startswith("     "):
                chunk, start, located, keep = [raw], (current_file, current_line), False, False
            continue
        ends = raw.startswith("    }") and not raw.startswith("     ")
        if not located:
            chunk.append(raw)
            # The declaration's own location is its "loc" object, which comes first.
            if raw.startswith('      "loc": {}') or raw.startswith("      }") or ends:
                located = True
                keep = current_file in wanted
        elif keep:
            chunk.append(raw)
        if ends:
            if keep:
                yield start[0], start[1], json.loads("".join(chunk).rstrip().rstrip(","))
            chunk = None


def trace_locations(node, state, found):
    """Follows the dump's locations through a declaration in the order they were printed, and
    records the file and line of each declaration's own location in `found` by its id."""
    if isinstance(node, dict):
        for key, value in node.items():
            if key == "includedFrom":
                continue
            if key == "file":
                state[0] = value
            elif key == "line":
                state[1] = value
            else:
                trace_locations(value, state, found)
                if key == "loc" and "id" in node:
                    found[node["id"]] = (state[0], state[1])
    elif isinstance(node, list):
        for item in node:
            trace_locations(item, state, found)


class Collector:
    """Gathers what the library must export from the declarations of the listed headers."""

    def __init__(self, name_of):
        self.name_of = name_of  # the header's name for a file of the dump
        self.places = {}        # declaration id -> (file, line)
        self.defined = set()    # ids of declarations given a definition in the headers
        self.candidates = []    # (declaration, qualified name)
        self.polymorphic = []   # (qualified class name, class declaration, its virtual members)

    def add(self, file, line, node):
        trace_locations(node, [file, line], self.places)
        self.walk(node, [], False)

    def where(self, node):
        file, line = self.places.get(node["id"], (None, 0))
        return "%s:%d" % (self.name_of(file), line)

    def walk(self, node, scope, in_record):
        kind = node.get("kind")
        if kind in TEMPLATE_KINDS:
            return
        if kind in SCOPE_KINDS:
            if kind == "NamespaceDecl" and not node.get("name"):
                return  # internal linkage
            inner_scope = scope + [node["name"]] if kind == "NamespaceDecl" else scope
            for child in node.get("inner", []):
                self.walk(child, inner_scope, False)
        elif kind in RECORD_KINDS:
            name = node.get("name")
            if not name or node.get("isImplicit") or not node.get("completeDefinition"):
                return
            qualified = scope + [name]
            virtuals = []
            for child in node.get("inner", []):
                if child.get("kind") in FUNCTION_KINDS and child.get("virtual"):
                    virtuals.append(child)
                self.walk(child, qualified, True)
            # A specialisation's tables are named with its arguments; none of ours has virtuals.
            if virtuals and kind == "CXXRecordDecl":
                self.polymorphic.append(("::".join(qualified), node, virtuals))
        elif kind == "FriendDecl":
            for child in node.get("inner", []):
                if child.get("kind") in FUNCTION_KINDS:
                    self.walk(child, scope[:-1], False)
        elif kind in FUNCTION_KINDS or (kind == "VarDecl" and (in_record or node.get("storageClass") == "extern")):
            self.note(node, scope, in_record)

    def note(self, node, scope, in_record):
        if has_definition(node):
            if node.get("previousDecl"):
                self.defined.add(node["previousDecl"])
            return
        if node.get("isImplicit") or node.get("pure"):
            return
        if node.get("kind") == "VarDecl" and in_record and node.get("storageClass") != "static":
            return  # a data member of each object, not a symbol
        if not in_record and node.get("storageClass") == "static":
            return  # internal linkage
        if "mangledName" in node:
            self.candidates.append((node, "::".join(scope + [node.get("name", "")])))

    def required(self):
        """The symbols the library must export: mangled name -> (where, description)."""
        declared = {}
        for node, qualified in self.candidates:
            if node["id"] in self.defined:
                continue
            kind = "object" if node["kind"] == "VarDecl" else "operation"
            description = "%s %s, %s" % (kind, qualified, node.get("type", {}).get("qualType", ""))
            declared.setdefault(node["mangledName"], (self.where(node), description))
        for qualified, record, virtuals in self.polymorphic:
            # The virtual table goes with the first virtual function declared and not defined in
            # the class, which is the library's.
            if any(is_out_of_line(node, self.defined) for node in virtuals):
                encoded = encode_class_name(qualified)
                declared.setdefault("_ZTV" + encoded, (self.where(record), "virtual table of " + qualified))
                declared.setdefault("_ZTI" + encoded, (self.where(record), "type information of " + qualified))
        return declared


def has_definition(node):
    if node.get("explicitlyDefaulted") == "default" or node.get("explicitlyDeleted"):
        return True
    if node.get("kind") == "VarDecl":
        return bool(node.get("init")) or node.get("inline") or node.get("constexpr")
    return any(child.get("kind") == "CompoundStmt" for child in node.get("inner", []))


def is_out_of_line(node, defined):
    return not has_definition(node) and not node.get("pure") and node["id"] not in defined


def encode_class_name(qualified):
    parts = qualified.split("::")
    encoded = "".join("%d%s" % (len(part), part) for part in parts)
    return encoded if len(parts) == 1 else "N" + encoded + "E"


def exported_symbols(nm, library):
    listing = subprocess.run([nm, "-D", "--defined-only", library], check=True, capture_output=True, text=True).stdout
    symbols = set()
    for line in listing.splitlines():
        fields = line.split()
        if len(fields) == 3:
            symbols.add(fields[2])
    return symbols


class _Spellings:
    """The wanted files as clang spells them (as the include directives and folders make their
    paths): each spelling is looked up once by its real path."""

    def __init__(self, wanted):
        self.wanted = wanted
        self.real = {}

    def __contains__(self, file):
        return file is not None and self.real_path(file) in self.wanted

    def real_path(self, file):
        if file not in self.real:
            self.real[file] = os.path.realpath(file)
        return self.real[file]

    def name_of(self, file):
        return self.wanted.get(self.real_path(file), file) if file else "?"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--clang", required=True)
    parser.add_argument("--nm", required=True)
    parser.add_argument("--library", required=True)
    parser.add_argument("--headers", required=True, help="a file naming one header a line, relative to an include folder")
    parser.add_argument("--extra-header", action="append", default=[], help="a header of the check's own tests")
    parser.add_argument("-I", dest="includes", action="append", default=[])
    args = parser.parse_args()

    with open(args.headers) as listed:
        names = [line.strip() for line in listed if line.strip()]
    wanted = {}
    for name in names:
        for folder in args.includes:
            path = os.path.join(folder, name)
            if os.path.isfile(path):
                wanted[os.path.realpath(path)] = name
                break
        else:
            sys.exit("CheckDeclaredOperations: %s is in no include folder" % name)
    for path in args.extra_header:
        wanted[os.path.realpath(path)] = os.path.basename(path)

    with tempfile.TemporaryDirectory() as scratch:
        unit = os.path.join(scratch, "AllInstalledHeaders.cpp")
        with open(unit, "w") as out:
            for path in wanted:
                out.write('#include "%s"\n' % path)
        command = [args.clang, "-std=c++20", "-fsyntax-only", "-Xclang", "-ast-dump=json"]
        command += ["-I" + folder for folder in args.includes] + [unit]
        spellings = _Spellings(wanted)
        collector = Collector(spellings.name_of)
        # clang's messages go to a file, so that neither pipe waits on the other.
        with tempfile.TemporaryFile(mode="w+") as errors:
            dump = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=errors, text=True, bufsize=1 << 20)
            for file, line, node in top_level_declarations(dump.stdout, spellings):
                collector.add(file, line, node)
            if dump.wait() != 0:
                errors.seek(0)
                sys.exit("CheckDeclaredOperations: clang could not parse the headers:\n" + errors.read())

    required = collector.required()
    exported = exported_symbols(args.nm, args.library)
    missing = sorted(place for name, place in required.items() if name not in exported)
    for where, description in missing:
        print("declared but not exported: %s: %s" % (where, description))
    if missing:
        sys.exit("%s: %d of the %d declared operations are not exported" % (args.library, len(missing), len(required)))
    print("%s: all %d declared operations of %d headers are exported" % (args.library, len(required), len(wanted)))


if __name__ == "__main__":
    main()
