"""vek: the vek library's routines for smart-card personalization data, from Python.

Every export of the library is a function here, named without its "vek_"
prefix, taking the export's parameters without its output buffers: the package
sizes those itself and grows them until the result fits. Texts are str (each
character one byte, code 0 to 255) or bytes; results are str. Predicates return
bool, comparisons and counts an int, DC9 descriptions a list of FIR tuples. A
failure raises VekError with the function, the status code and its message.

Every argument is checked before the call, as C would otherwise take it
without a word: a value of the wrong type raises TypeError (an integer is an
int, True and False passing as 1 and 0; a text is str, bytes or None; bytes
are bytes-like), an integer beyond its C type's range OverflowError (C's
short and int are not wrapped), a text holding a NUL ValueError (C would see
only the text before it).

The library is loaded at the first call: from load(path), else the file named
by the environment variable VEK_LIBRARY, else libvek.so (VEK.dll on Windows)
in this package's folder (pip install ./python builds it and puts it there),
else the system's library path.

The table of exports is read once, at import: every export becomes a Python
function of its own, written for its parameters (its checks, its C arguments
and its results in order, no table read at call time). A library prepares each
export's C function once, when it is loaded, and keeps per thread the output
buffer and the count cell that a call's first attempt uses, reused from call
to call: the package can be called from several threads at once.
"""
import ctypes
import ctypes.util
import inspect
import itertools
import operator
import os
import sys
import threading
from typing import NamedTuple

from . import _api

__all__ = (["VekError", "FIR", "Library", "load", "library", "message"] + list(_api.CONSTANTS)
           + [f["name"] for f in _api.FUNCTIONS])
__version__ = _api.VERSION
# The status codes that mean the same in every function, as vek.h names them
# (without its VEK_ prefix): STATUS_OK, STATUS_BUFFER_TOO_SMALL, STATUS_INTERNAL.
globals().update(_api.CONSTANTS)

_WINDOWS = sys.platform == "win32"
_FILE_NAME = "VEK.dll" if _WINDOWS else "libvek.so"
# Output buffers start at this size and grow four times over while a call
# fails with STATUS_BUFFER_TOO_SMALL (-50), up to the largest size.
_FIRST_SIZE = 1024
_LARGEST_SIZE = 1 << 28


class VekError(Exception):
    """A call that failed: the function (without "vek_"), its status code and its message from vek.h.

    count is the number a function that writes its count also when it fails
    left there (File_ExtractImageByFieldNonSeqGetNb: the matching records, with
    -3 and -4); None for every other function.
    """

    def __init__(self, function, status, message, count=None):
        super().__init__(f"vek_{function} failed: status {status}: {message}")
        self.function = function
        self.status = status
        self.message = message
        self.count = count


class FIR(NamedTuple):
    """One part (FIR) of a DC9 file, as a description lists it."""
    offset: int
    markLength: int
    recordCount: int
    recordLength: int


class _FIRDescription(ctypes.Structure):
    _fields_ = [(name, ctypes.c_int32) for name in FIR._fields]


def message(function, status):
    """The message vek.h gives a status code of a function."""
    return _api.MESSAGES.get((function, status), _api.COMMON_MESSAGES.get(status, ""))


def _decode(raw):
    return raw.decode("latin-1")


_C_TYPES = {"const char*": ctypes.c_char_p, "char*": ctypes.c_char_p, "int": ctypes.c_int,
            "short": ctypes.c_short, "int*": ctypes.POINTER(ctypes.c_int),
            "short*": ctypes.POINTER(ctypes.c_short), "unsigned char*": ctypes.c_void_p,
            "const unsigned char*": ctypes.c_char_p, "FIRDescription*": ctypes.c_void_p,
            "const FIRDescription*": ctypes.c_void_p}
# The roles a caller passes, in the function's own order.
_ARGUMENT_ROLES = ("text", "int", "bytes", "firs")


def _bounds(ctype):
    """The lowest and highest value of a signed C integer type."""
    bits = 8 * ctypes.sizeof(ctype)
    return -(1 << (bits - 1)), (1 << (bits - 1)) - 1


# The most FIRs a description holds: its count is a C short.
_SHORT_MAX = _bounds(ctypes.c_short)[1]


def _integer(value, where):
    """value as an integer: an int (bool included) or what has __index__, never a float or a text."""
    if isinstance(value, int):
        return value
    try:
        return operator.index(value)
    except TypeError:
        raise TypeError(f"{where} must be an integer, not {type(value).__name__}") from None


def _integer_check(where, ctype):
    low, high = _bounds(_C_TYPES[ctype])

    def check(value):
        value = _integer(value, where)
        if not low <= value <= high:
            raise OverflowError(f"{where} {value} is out of the range of a C {ctype}, {low} to {high}")
        return value
    return check


def _text_check(where):
    def check(value):
        if isinstance(value, str):
            value = value.encode("latin-1")
        elif not isinstance(value, bytes):
            if value is None:
                return None
            raise TypeError(f"{where} must be str, bytes or None, not {type(value).__name__}")
        at = value.find(0)
        if at >= 0:
            raise ValueError(f"{where} holds a NUL character at offset {at}; "
                             "the function would see only the text before it")
        return value
    return check


def _bytes_check(where, length_ctype):
    longest = _bounds(_C_TYPES[length_ctype])[1]

    def check(value):
        if type(value) is not bytes:
            # bytes(3) would be three NULs; a str has no one encoding here.
            if isinstance(value, (int, str)):
                raise TypeError(f"{where} must be bytes, not {type(value).__name__}")
            try:
                value = bytes(value)
            except TypeError:
                raise TypeError(f"{where} must be bytes, not {type(value).__name__}") from None
        if len(value) > longest:
            raise OverflowError(f"{where} holds {len(value)} bytes, out of the range of its C {length_ctype} length, "
                                f"0 to {longest}")
        return value
    return check


def _firs_check(where, count_ctype):
    most = _bounds(_C_TYPES[count_ctype])[1]
    fields = [(name, _bounds(ctype)) for name, ctype in _FIRDescription._fields_]

    def check(value):
        try:
            firs = [tuple(f) for f in value]
        except TypeError:
            raise TypeError(f"{where} must be a sequence of FIRs (four integers each)") from None
        if len(firs) > most:
            raise OverflowError(f"{where} holds {len(firs)} entries, out of the range of its C {count_ctype} count, "
                                f"0 to {most}")
        for i, fir in enumerate(firs):
            if len(fir) != len(fields):
                raise TypeError(f"{where}[{i}] must be a FIR of four integers, not {len(fir)} values")
            for v, (name, (low, high)) in zip(fir, fields):
                v = _integer(v, f"{where}[{i}].{name}")
                if not low <= v <= high:
                    raise OverflowError(f"{where}[{i}].{name} {v} is out of the range of its C field, "
                                        f"{low} to {high}")
        return firs
    return check


def _checks(entry):
    """For every argument a caller passes, in order, the check made before the call: it returns the
    value as the C function takes it (texts as bytes) or raises TypeError, ValueError or OverflowError.
    The ranges come from the C types of the parameters (of the length or count that goes with bytes
    and descriptions), worked out once per function."""
    params = entry["params"]
    checks = []
    for i, (ctype, name, role) in enumerate(params):
        where = f"{entry['name']}(): {name}"
        if role == "int":
            checks.append(_integer_check(where, ctype))
        elif role == "text":
            checks.append(_text_check(where))
        elif role == "bytes":
            checks.append(_bytes_check(where, params[i + 1][0]))  # its length follows it
        elif role == "firs":
            checks.append(_firs_check(where, params[i - 1][0]))  # its count comes before it
    return checks


class _Call:
    """One call of an export: the arguments placed, the buffers made, and the results read back."""

    def __init__(self, entry, args):
        self.entry = entry
        self.args = dict(zip([n for _, n, r in entry["params"] if r in _ARGUMENT_ROLES], args))
        self.size = _FIRST_SIZE
        texts = [v for _, n, r in entry["params"] if r in ("text", "bytes") for v in [self.args[n]] if v]
        self.longest = max([len(v) for v in texts], default=0)

    def arguments(self):
        """The C arguments, with fresh buffers of the current size."""
        c = []
        self.outputs = []
        for ctype, name, role in self.entry["params"]:
            value = self.args.get(name)
            if role in ("text", "int", "bytes"):
                c.append(value)
            elif role == "bytes_length":
                c.append(len(c[-1]))
            elif role in ("out", "out_raw", "raw_out", "bytes_out"):
                size = self.size if role in ("out", "raw_out") else self.longest + 2
                buffer = ctypes.create_string_buffer(size)
                self.outputs.append((role, buffer))
                c.append(buffer)
            elif role == "out_size":
                c.append(len(self.outputs[-1][1]))
            elif role in ("number", "bytes_count", "raw_size", "firs_found"):
                cell = (ctypes.c_short if role == "firs_found" else ctypes.c_int)(
                    len(self.outputs[-1][1]) if role == "raw_size" else 0)
                self.outputs.append((role, cell))
                c.append(ctypes.byref(cell))
            elif role == "firs_count":
                c.append(len(self.args[self.entry["params"][len(c) + 1][1]]))
            elif role == "firs":
                array = (_FIRDescription * max(len(value), 1))(*[_FIRDescription(*f) for f in value])
                c.append(ctypes.cast(array, ctypes.c_void_p))
                self.outputs.append(("keep", array))
            elif role == "firs_out":
                c.append(None)  # the count first; see Library._describe
        return c

    def count(self):
        """The count a failed call wrote, for an export that writes it on failure; else None."""
        if not self.entry["count_kept"]:
            return None
        return next((cell.value for role, cell in self.outputs if role == "number"), None)

    def results(self):
        values = []
        cells = dict((role, cell) for role, cell in self.outputs)
        for role, cell in self.outputs:
            if role in ("out", "out_raw"):
                values.append(_decode(cell.value))
            elif role == "number":
                values.append(cell.value)
            elif role == "bytes_out":
                values.append(cell.raw[:cells["bytes_count"].value])
            elif role == "raw_out":
                values.append(cell.raw[:cells["raw_size"].value])
        return values


class Library:
    """The vek library loaded from one file; one method per export."""

    def __init__(self, path=None):
        self.path = _find(path)
        loader = ctypes.WinDLL if _WINDOWS else ctypes.CDLL  # the Windows DLL's exports are stdcall
        self._dll = loader(self.path)
        # Each export's C function with its argument and result types. The
        # prepared functions call their own copy of it, with the result type
        # alone: every argument they pass is already what C takes (checked and
        # converted before the call: bytes or None for a text, an int in range,
        # a buffer, a cell's address), so ctypes need not convert it again,
        # which would cost more than the rest of a short call.
        self._fns = []
        for entry in _api.FUNCTIONS:
            name = "vek_" + entry["name"]
            fn = getattr(self._dll, name)
            fn.restype = ctypes.c_short
            fn.argtypes = [_C_TYPES[ctype] for ctype, _, _ in entry["params"]]
            bare = self._dll[name]
            bare.restype = ctypes.c_short
            self._fns.append(bare)
        self._status = self._fns[_INDEX["LastStatus"]]
        # Per thread: the output buffer and the count cell of a call's first attempt.
        self._local = threading.local()

    def _call(self, entry, args, size=_FIRST_SIZE):
        """An export called from its table entry, its buffers made afresh for every attempt from `size` on:
        the way every call went before the exports were prepared, still taken by a call whose first
        attempt found its buffer too small."""
        name = entry["name"]
        fn = getattr(self._dll, "vek_" + name)
        if entry["kind"] == "value":
            return fn()
        if any(r == "firs_out" for _, _, r in entry["params"]):
            return self._describe(entry, fn, args)
        call = _Call(entry, args)
        call.size = size
        while True:
            result = fn(*call.arguments())
            status = self._dll.vek_LastStatus()
            if result != 0 or status != STATUS_BUFFER_TOO_SMALL or call.size >= _LARGEST_SIZE:
                break
            call.size *= 4
        if result == 0:
            if entry["kind"] == "predicate" and status == entry["false_code"]:
                return False
            raise VekError(name, status, message(name, status), call.count())
        if entry["kind"] == "predicate":
            return True
        values = call.results()
        if not values:
            return None
        return values[0] if len(values) == 1 else tuple(values)

    def _describe(self, entry, fn, args):
        """A DC9 description, in two calls. Without a description the call counts the file marks;
        data records before the first file mark form one FIR more, so the description gets room
        for one more entry than that. The count the second call leaves does not tell how many
        entries it filled (in a file without a file mark it keeps the room given), so every entry
        starts with all fields -1, a mark length the call never writes, and the filled entries
        are those before the first one still holding it."""
        name = entry["name"]
        path, marker, record_size = args
        count = ctypes.c_short(0)
        if fn(path, marker, len(marker), record_size, ctypes.byref(count), None):
            room = min(count.value + 1, _SHORT_MAX)
            entries = (_FIRDescription * room)()
            ctypes.memset(entries, 0xFF, ctypes.sizeof(entries))
            count.value = room
            if fn(path, marker, len(marker), record_size, ctypes.byref(count), entries):
                filled = itertools.takewhile(lambda e: e.markLength >= 0, entries)
                return [FIR(e.offset, e.markLength, e.recordCount, e.recordLength) for e in filled]
        status = self._dll.vek_LastStatus()
        raise VekError(name, status, message(name, status))


def _find(path):
    if path is None:
        path = os.environ.get("VEK_LIBRARY")
    if path:
        return os.fspath(path)
    beside = os.path.join(os.path.dirname(os.path.abspath(__file__)), _FILE_NAME)
    if os.path.exists(beside):
        return beside
    return ctypes.util.find_library("vek") or _FILE_NAME


_library = None


def load(path=None):
    """Loads the library (from path, else as the module describes) for the module's functions."""
    global _library
    _library = Library(path)
    return _library


def library():
    """The library the module's functions call, loaded at first use."""
    return _library if _library is not None else load()


# ---------------------------------------------------------------------------
# The exports as Python functions, written once at import from the table.
#
# Each export's function is generated as source text for its own parameters:
# the arity check, the checks of its arguments in order (a plain str, bytes or
# int in range passes with a type test; anything else goes through the full
# check of _checks, which accepts or refuses it as it always did), then the C
# call with the output buffer and count cell of the thread, then its results.
# A first attempt whose buffer is too small (-50) goes on as Library._call
# does, from the next size. The module's function and the Library method are
# the same text but for where the library comes from.

_CELL_ROLES = ("number", "bytes_count", "raw_size")


def _source(entry, index, method):
    """The source of one export's function: the Library method (self first) or the module's function."""
    name, params, kind = entry["name"], entry["params"], entry["kind"]
    names = [n for _, n, r in params if r in _ARGUMENT_ROLES]
    args = [f"a{i}" for i in range(len(names))]
    arity = f"{name}() takes {len(names)} arguments ({', '.join(names)}), got "
    # Positional parameters that default to _MISSING, and the rest gathered: an
    # arity other than the export's is refused with the count given, as ever.
    own = ("self, " if method else "") + "".join(f"{a}=_MISSING, " for a in args)
    lines = [f"def {name}({own}/, *more):" if own else f"def {name}(*more):"]
    if not method:
        lines.append("    lib = _library")
        lines.append("    if lib is None:")
        lines.append("        lib = library()")
    if args:
        lines.append(f"    if more or {args[-1]} is _MISSING:")
        given = " + ".join(f"({a} is not _MISSING)" for a in args)
        lines.append(f"        raise TypeError({arity!r} + str({given} + len(more)))")
    else:
        lines.append("    if more:")
        lines.append(f"        raise TypeError({arity!r} + str(len(more)))")
    if method:
        lines.append("    lib = self")
    if kind == "value":
        lines.append(f"    return lib._fns[{index}]()")
        return "\n".join(lines) + "\n"

    # The checks, in the parameters' order.
    value_of = {}
    position = 0
    for ctype, pname, role in params:
        if role not in _ARGUMENT_ROLES:
            continue
        a = args[position]
        value_of[pname] = a
        check = f"_checks_of[{index}][{position}]"
        if role == "text":
            lines.append(f"    if type({a}) is str:")
            lines.append(f"        {a} = {a}.encode('latin-1')")
            lines.append(f"        if 0 in {a}:")
            lines.append(f"            {a} = {check}({a})")
            lines.append(f"    elif type({a}) is not bytes or 0 in {a}:")
            lines.append(f"        {a} = {check}({a})")
        elif role == "int":
            low, high = _bounds(_C_TYPES[ctype])
            lines.append(f"    if type({a}) is not int or not {low} <= {a} <= {high}:")
            lines.append(f"        {a} = {check}({a})")
        else:  # bytes and descriptions: rare, always the full check
            lines.append(f"    {a} = {check}({a})")
        position += 1
    arglist = "[" + ", ".join(args) + "]"
    if any(r == "firs_out" for _, _, r in params):
        lines.append(f"    return lib._describe(_entries[{index}], getattr(lib._dll, {'vek_' + name!r}), {arglist})")
        return "\n".join(lines) + "\n"

    # The C arguments.
    roles = [r for _, _, r in params]
    if any(r in ("out", "raw_out") for r in roles) or any(r in _CELL_ROLES for r in roles):
        lines.append("    try:")
        lines.append("        buffer, cell = lib._local.outputs")
        lines.append("    except AttributeError:")
        lines.append("        buffer, cell = lib._local.outputs = (_buffer(_FIRST_SIZE), _c_int(0))")
    if "out_raw" in roles or "bytes_out" in roles:
        texts = [value_of[n] for _, n, r in params if r in ("text", "bytes")]
        lengths = ", ".join(f"len({t}) if {t} else 0" for t in texts)
        lines.append(f"    fitted = _buffer(max({lengths}, 0) + 2)")
    cargs = []
    last_bytes = last_out = None
    for i, (ctype, pname, role) in enumerate(params):
        if role in ("text", "int"):
            cargs.append(value_of[pname])
        elif role == "bytes":
            last_bytes = value_of[pname]
            cargs.append(last_bytes)
        elif role == "bytes_length":
            cargs.append(f"len({last_bytes})")
        elif role in ("out", "raw_out"):
            last_out = "buffer"
            cargs.append("buffer")
        elif role in ("out_raw", "bytes_out"):
            last_out = "fitted"
            cargs.append("fitted")
        elif role == "out_size":
            cargs.append(str(_FIRST_SIZE) if last_out == "buffer" else f"len({last_out})")
        elif role in _CELL_ROLES:
            lines.append(f"    cell.value = {_FIRST_SIZE if role == 'raw_size' else 0}")
            cargs.append("_byref(cell)")
        elif role == "firs_count":
            cargs.append(f"len({value_of[params[i + 1][1]]})")
        elif role == "firs":
            f = value_of[pname]
            lines.append(f"    firs = (_FIR * max(len({f}), 1))(*[_FIR(*e) for e in {f}])")
            cargs.append("_cast(firs, _c_void_p)")
    lines.append(f"    result = lib._fns[{index}]({', '.join(cargs)})")

    # A failure: too small goes on from the next size; else false or raised.
    lines.append("    if result == 0:")
    lines.append("        status = lib._status()")
    lines.append(f"        if status == {STATUS_BUFFER_TOO_SMALL}:")
    lines.append(f"            return lib._call(_entries[{index}], {arglist}, _FIRST_SIZE * 4)")
    if kind == "predicate":
        lines.append(f"        if status == {entry['false_code']!r}:")
        lines.append("            return False")
    count = "cell.value" if entry["count_kept"] and "number" in roles else "None"
    lines.append(f"        raise VekError({name!r}, status, message({name!r}, status), {count})")
    if kind == "predicate":
        lines.append("    return True")
        return "\n".join(lines) + "\n"

    # The results, in the order of their parameters.
    values = []
    for role in roles:
        if role in ("out", "out_raw"):
            values.append(f"{'buffer' if role == 'out' else 'fitted'}.value.decode('latin-1')")
        elif role == "number":
            values.append("cell.value")
        elif role == "bytes_out":
            values.append("fitted.raw[:cell.value]")
        elif role == "raw_out":
            values.append("buffer.raw[:cell.value]")
    if not values:
        lines.append("    return None")
    elif len(values) == 1:
        lines.append(f"    return {values[0]}")
    else:
        lines.append(f"    return ({', '.join(values)})")
    return "\n".join(lines) + "\n"


_MISSING = object()  # an argument not given
_entries = list(_api.FUNCTIONS)
_INDEX = {entry["name"]: index for index, entry in enumerate(_entries)}
_checks_of = [_checks(entry) if entry["kind"] != "value" else [] for entry in _entries]
_buffer = ctypes.create_string_buffer
_byref = ctypes.byref
_c_int = ctypes.c_int
_cast = ctypes.cast
_c_void_p = ctypes.c_void_p
_FIR = _FIRDescription


def _prepare(entry, index):
    """The Library method and the module's function of one export."""
    names = [n for _, n, r in entry["params"] if r in _ARGUMENT_ROLES]
    made = {}
    for method in (True, False):
        namespace = {}
        exec(compile(_source(entry, index, method), f"<vek.{entry['name']}>", "exec"), globals(), namespace)
        made[method] = namespace[entry["name"]]
    method, function = made[True], made[False]
    parameters = [inspect.Parameter(n, inspect.Parameter.POSITIONAL_ONLY) for n in names]
    for f, first in ((method, [inspect.Parameter("self", inspect.Parameter.POSITIONAL_ONLY)]), (function, [])):
        f.__name__ = f.__qualname__ = entry["name"]
        f.__doc__ = entry["doc"]
        f.__signature__ = inspect.Signature(first + parameters)
    function.__module__ = __name__
    return method, function


for _index, _entry in enumerate(_entries):
    _method, _function = _prepare(_entry, _index)
    setattr(Library, _entry["name"], _method)
    globals()[_entry["name"]] = _function
del _index, _entry, _method, _function
