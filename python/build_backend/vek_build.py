"""The package's own build backend: a wheel is a zip of the vek/ folder and its
metadata, so the package installs with pip alone, offline, with nothing else
to fetch (no setuptools, no wheel package)."""
import ast
import base64
import hashlib
import pathlib
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
TAG = "py3-none-any"
METADATA = f"""Metadata-Version: 2.1
Name: {NAME}
Version: {VERSION}
Summary: Python interface to the vek library (libvek.so, VEK.dll) for smart-card personalization data
Requires-Python: >=3.9
"""
WHEEL = f"""Wheel-Version: 1.0
Generator: vek_build
Root-Is-Purelib: true
Tag: {TAG}
"""


def _files():
    for path in sorted((HERE / NAME).rglob("*")):
        if path.is_file() and "__pycache__" not in path.parts:
            yield path.relative_to(HERE).as_posix(), path.read_bytes()


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
    entries = list(_files()) + [(f"{info}/METADATA", METADATA.encode()), (f"{info}/WHEEL", WHEEL.encode())]
    record = [_record_line(name, data) for name, data in entries] + [f"{info}/RECORD,,"]
    with zipfile.ZipFile(pathlib.Path(wheel_directory) / wheel, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in entries:
            z.writestr(name, data)
        z.writestr(f"{info}/RECORD", "\n".join(record) + "\n")
    return wheel


def build_sdist(sdist_directory, config_settings=None):
    import tarfile
    import io
    base = f"{NAME}-{VERSION}"
    sdist = f"{base}.tar.gz"
    with tarfile.open(pathlib.Path(sdist_directory) / sdist, "w:gz") as t:
        for path in ["pyproject.toml", "build_backend/vek_build.py"] + [n for n, _ in _files()]:
            t.add(HERE / path, arcname=f"{base}/{path}")
        pkg_info = METADATA.encode()
        entry = tarfile.TarInfo(f"{base}/PKG-INFO")
        entry.size = len(pkg_info)
        t.addfile(entry, io.BytesIO(pkg_info))
    return sdist
