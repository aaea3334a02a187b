"""The resources of a Windows program as Explorer reads them from the file: the PE format's
resource tree, its first icon group, and its VS_VERSIONINFO."""

import struct


def resources(path):
    """{(type, id, language): bytes} of the resources named by number."""
    with open(path, "rb") as file:
        data = file.read()
    header = struct.unpack_from("<I", data, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", data, header + 6)
    # The resource table is the third data directory, after 112 bytes of PE32+ header.
    table = struct.unpack_from("<I", data, header + 24 + 112 + 2 * 8)[0]
    spans = [struct.unpack_from("<8xIIII", data, header + 24 + optional_size + 40 * index)
             for index in range(sections)]

    def offset(rva):
        (start,) = [raw + rva - address for size, address, raw_size, raw in spans
                    if address <= rva < address + max(size, raw_size)]
        return start

    found = {}
    base = offset(table)

    def walk(directory, names):
        named, numbered = struct.unpack_from("<12xHH", data, base + directory)
        for index in range(named, named + numbered):
            name, target = struct.unpack_from("<II", data, base + directory + 16 + 8 * index)
            if target & 0x80000000:
                walk(target & 0x7FFFFFFF, names + (name,))
            else:
                rva, size = struct.unpack_from("<II", data, base + target)
                found[names + (name,)] = data[offset(rva):offset(rva) + size]

    walk(0, ())
    return found


def first_icon(found):
    """[(directory entry without its id, image)] of the first icon group (type 14); the images
    are icon resources (type 3)."""
    group = found[min(key for key in found if key[0] == 14)]
    entries = [group[6 + 14 * index:20 + 14 * index] for index in range(group[4])]
    return [(entry[:12], next(value for key, value in found.items()
                              if key[:2] == (3, struct.unpack_from("<12xH", entry)[0])))
            for entry in entries]


def icon_file_images(path):
    """The images of an .ico file, as first_icon gives them."""
    with open(path, "rb") as file:
        data = file.read()
    entries = [data[6 + 16 * index:22 + 16 * index] for index in range(data[4])]
    spans = [struct.unpack_from("<8xII", entry) for entry in entries]
    return [(entry[:12], data[start:start + length])
            for entry, (length, start) in zip(entries, spans)]


def _node(data, start):
    """(key, value, children, end) of one node of a VS_VERSIONINFO tree; text values as str."""
    length, value_length, text = struct.unpack_from("<3H", data, start)
    key_end = start + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    position = (key_end + 5) & ~3
    value = data[position:position + value_length * (2 if text else 1)]
    position = (position + len(value) + 3) & ~3
    children = []
    while position < start + length:
        children.append(_node(data, position))
        position = (children[-1][3] + 3) & ~3
    key = data[start + 6:key_end].decode("utf-16-le")
    return key, value.decode("utf-16-le").split("\0")[0] if text else value, children, \
        start + length


def version_info(found):
    """(file version, product version, {language and code page: {name: text}}) of the version
    resource (type 16)."""
    key, fixed, children, _ = _node(next(v for k, v in found.items() if k[0] == 16), 0)
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    assert (key, signature) == ("VS_VERSION_INFO", 0xFEEF04BD), "not a VS_VERSIONINFO"
    tables = {language.upper(): {name: text for name, text, _, _ in strings}
              for block, _, languages, _ in children if block == "StringFileInfo"
              for language, _, strings, _ in languages}
    return tuple((most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF)
                 for most, least in ((file_ms, file_ls), (product_ms, product_ls))) + (tables,)
