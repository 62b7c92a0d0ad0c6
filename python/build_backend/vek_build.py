"""The package's own build backend: a wheel is a zip of the vek/ folder, the
library it wraps and its metadata, so the package installs with pip alone,
offline, with nothing else to fetch (no setuptools, no wheel package).

Building the wheel builds the library with CMake (only the vek target, in a
scratch folder, Release, without tests or command) and puts it in the package
beside __init__.py: libvek.so, or VEK.dll on Windows. The library is not tied
to a Python version or ABI, only to the platform, so the wheel is tagged
py3-none-<platform>. The sources come from the checkout the package sits in,
or from the library/ folder of an sdist. CMake reads its usual environment
(CMAKE_GENERATOR, CMAKE_BUILD_PARALLEL_LEVEL, compiler launchers).
"""
import ast
import base64
import hashlib
import os
import pathlib
import subprocess
import sys
import sysconfig
import tempfile
import zipfile

NAME = "vek"
HERE = pathlib.Path(__file__).resolve().parent.parent


def _version():
    """The package's version: the library's, as the generated table holds it (vek/_api.py, from vek.h)."""
    tree = ast.parse((HERE / NAME / "_api.py").read_text(encoding="utf-8"))
    for node in tree.body:
        if isinstance(node, ast.Assign) and [getattr(t, "id", None) for t in node.targets] == ["VERSION"]:
            return ast.literal_eval(node.value)
    raise RuntimeError("vek/_api.py holds no VERSION: run python/generate.py")


VERSION = _version()

WINDOWS = sys.platform == "win32"
LIBRARY = "VEK.dll" if WINDOWS else "libvek.so"
# The folders and files of the checkout that the library's build reads.
LIBRARY_SOURCES = ["CMakeLists.txt", "cmake", "include", "frame", "types", "crypto", "io", "imagefile", "dc9",
                   "resource", "scripts"]


def _platform():
    """The wheel's platform tag, as bdist_wheel writes it: linux_x86_64, win_amd64, ..."""
    platform = sysconfig.get_platform().replace("-", "_").replace(".", "_")
    if platform == "linux_x86_64" and sys.maxsize <= 2**32:
        platform = "linux_i686"  # a 32-bit interpreter on a 64-bit kernel
    return platform


TAG = f"py3-none-{_platform()}"
METADATA = f"""Metadata-Version: 2.1
Name: {NAME}
Version: {VERSION}
Summary: Python interface to the vek library (libvek.so, VEK.dll) for smart-card personalization data
Requires-Python: >=3.9
"""
WHEEL = f"""Wheel-Version: 1.0
Generator: vek_build
Root-Is-Purelib: false
Tag: {TAG}
"""


def _files():
    for path in sorted((HERE / NAME).rglob("*")):
        # A library left in the folder by hand is not packed: the wheel gets the one it builds.
        if path.is_file() and "__pycache__" not in path.parts and path.name not in ("libvek.so", "VEK.dll"):
            yield path.relative_to(HERE).as_posix(), path.read_bytes()


def _source_root():
    """The library's sources: the checkout around python/, or library/ in an sdist."""
    for root in (HERE.parent, HERE / "library"):
        if (root / "CMakeLists.txt").is_file() and (root / "include" / "vek.h").is_file():
            return root
    raise RuntimeError(f"vek_build: the library's sources (CMakeLists.txt, include/vek.h) are neither in {HERE.parent} "
                       f"nor in {HERE / 'library'}")


def _run(command):
    print("vek_build: " + " ".join(command), file=sys.stderr)
    try:
        subprocess.run(command, check=True)
    except FileNotFoundError:
        raise RuntimeError(f"vek_build: {command[0]} not found: building the library needs CMake and a C++20 "
                           "compiler") from None


def _build_library():
    """The library built from its sources with CMake: its bytes."""
    with tempfile.TemporaryDirectory(prefix="vek-build-") as build:
        _run(["cmake", "-S", str(_source_root()), "-B", build, "-DCMAKE_BUILD_TYPE=Release", "-DVEK_TESTS=OFF",
              "-DVEK_CLI=OFF", "-DVEK_BENCH=OFF", "-DVEK_FUZZ=OFF"])
        parallel = [] if "CMAKE_BUILD_PARALLEL_LEVEL" in os.environ else ["--parallel", str(os.cpu_count() or 1)]
        _run(["cmake", "--build", build, "--target", "vek", "--config", "Release"] + parallel)
        # Linux: lib/libvek.so, a link to the versioned file; Windows: bin/VEK.dll.
        built = pathlib.Path(build) / ("bin" if WINDOWS else "lib") / LIBRARY
        if not built.is_file():
            raise RuntimeError(f"vek_build: the build did not make {built}")
        return built.read_bytes()


def _record_line(name, data):
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode()
    return f"{name},sha256={digest},{len(data)}"


def get_requires_for_build_wheel(config_settings=None):
    return []


def get_requires_for_build_sdist(config_settings=None):
    return []


def prepare_metadata_for_build_wheel(metadata_directory, config_settings=None):
    info = pathlib.Path(metadata_directory) / f"{NAME}-{VERSION}.dist-info"
    info.mkdir(parents=True, exist_ok=True)
    (info / "METADATA").write_text(METADATA)
    (info / "WHEEL").write_text(WHEEL)
    return info.name


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    wheel = f"{NAME}-{VERSION}-{TAG}.whl"
    info = f"{NAME}-{VERSION}.dist-info"
    library = f"{NAME}/{LIBRARY}"
    entries = list(_files()) + [(library, _build_library()), (f"{info}/METADATA", METADATA.encode()),
                                (f"{info}/WHEEL", WHEEL.encode())]
    record = [_record_line(name, data) for name, data in entries] + [f"{info}/RECORD,,"]
    with zipfile.ZipFile(pathlib.Path(wheel_directory) / wheel, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in entries:
            entry = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
            entry.external_attr = (0o755 if name == library else 0o644) << 16
            z.writestr(entry, data, zipfile.ZIP_DEFLATED)
        z.writestr(f"{info}/RECORD", "\n".join(record) + "\n")
    return wheel


def _library_sources():
    """The library's source files, relative to its root."""
    root = _source_root()
    for name in LIBRARY_SOURCES:
        path = root / name
        for f in sorted(path.rglob("*")) if path.is_dir() else [path]:
            if f.is_file() and "__pycache__" not in f.parts:
                yield root, f.relative_to(root).as_posix()


def build_sdist(sdist_directory, config_settings=None):
    """The package and, in library/, the library's sources, from which the wheel is built."""
    import tarfile
    import io
    base = f"{NAME}-{VERSION}"
    sdist = f"{base}.tar.gz"
    with tarfile.open(pathlib.Path(sdist_directory) / sdist, "w:gz") as t:
        for path in ["pyproject.toml", "build_backend/vek_build.py"] + [n for n, _ in _files()]:
            t.add(HERE / path, arcname=f"{base}/{path}")
        for root, path in _library_sources():
            t.add(root / path, arcname=f"{base}/library/{path}")
        pkg_info = METADATA.encode()
        entry = tarfile.TarInfo(f"{base}/PKG-INFO")
        entry.size = len(pkg_info)
        t.addfile(entry, io.BytesIO(pkg_info))
    return sdist
