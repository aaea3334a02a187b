"""The resources of a Windows program, read from the file as Explorer reads them: its icons and
its version information (the PE/COFF format's resource section and VS_VERSIONINFO)."""

import struct

RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16
FIXED_FILE_INFO_SIGNATURE = 0xFEEF04BD


def resources(path):
    """{(type, id, language): bytes} of every resource named by number."""
    with open(path, "rb") as file:
        data = file.read()
    header = struct.unpack_from("<I", data, 0x3C)[0]
    if data[header:header + 4] != b"PE\0\0":
        raise ValueError(f"{path} is not a PE file")
    sections, optional_size = struct.unpack_from("<H12xH", data, header + 6)
    optional = header + 24
    # The resource table is the third data directory, after 112 bytes of PE32+ header.
    table_rva = struct.unpack_from("<I", data, optional + 112 + 2 * 8)[0]
    spans = [struct.unpack_from("<8xIIII", data, optional + optional_size + 40 * index)
             for index in range(sections)]

    def offset(rva):
        for virtual_size, address, raw_size, raw in spans:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw + rva - address
        raise ValueError(f"address {rva:#x} lies in no section of {path}")

    base = offset(table_rva)
    found = {}

    def walk(directory, path_so_far):
        named, numbered = struct.unpack_from("<12xHH", data, base + directory)
        for index in range(named, named + numbered):
            name, target = struct.unpack_from("<II", data, base + directory + 16 + 8 * index)
            if target & 0x80000000:
                walk(target & 0x7FFFFFFF, path_so_far + (name,))
            else:
                rva, size = struct.unpack_from("<II", data, base + target)
                found[path_so_far + (name,)] = data[offset(rva):offset(rva) + size]

    walk(0, ())
    return found


def _aligned(position):
    return (position + 3) & ~3


def _version_node(data, start):
    """(key, value, children, end) of one node of a VS_VERSIONINFO tree."""
    length, value_length, text = struct.unpack_from("<3H", data, start)
    key_end = start + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    position = _aligned(key_end + 2)
    size = value_length * 2 if text else value_length
    value = data[position:position + size]
    if text:
        value = value.decode("utf-16-le").split("\0")[0]
    position = _aligned(position + size)
    children = []
    while position < start + length:
        children.append(_version_node(data, position))
        position = _aligned(children[-1][3])
    return data[start + 6:key_end].decode("utf-16-le"), value, children, start + length


def version_info(found):
    """(file version, product version, {language and code page: {name: text}}) of the first
    version resource."""
    (data,) = [value for key, value in sorted(found.items()) if key[0] == RT_VERSION][:1]
    key, fixed, children, _ = _version_node(data, 0)
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if key != "VS_VERSION_INFO" or signature != FIXED_FILE_INFO_SIGNATURE:
        raise ValueError("not a VS_VERSIONINFO")

    def dotted(most, least):
        return (most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF)

    tables = {}
    for name, _, blocks, _ in children:
        if name == "StringFileInfo":
            for language, _, strings, _ in blocks:
                tables[language.upper()] = {text[0]: text[1] for text in strings}
    return dotted(file_ms, file_ls), dotted(product_ms, product_ls), tables


def first_icon(found):
    """The images of the first icon group, as an .ico file holds them: [(entry, image)] with the
    entry's first 12 bytes (size, colours, planes, bits, length)."""
    groups = sorted(key for key in found if key[0] == RT_GROUP_ICON)
    group = found[groups[0]]
    count = struct.unpack_from("<4xH", group)[0]
    images = []
    for index in range(count):
        entry = group[6 + 14 * index:6 + 14 * index + 14]
        image_id = struct.unpack_from("<12xH", entry)[0]
        (image,) = [value for key, value in found.items() if key[:2] == (RT_ICON, image_id)]
        images.append((entry[:12], image))
    return images


def icon_file_images(path):
    """The images of an .ico file, as first_icon gives them."""
    with open(path, "rb") as file:
        data = file.read()
    count = struct.unpack_from("<4xH", data)[0]
    images = []
    for index in range(count):
        entry = data[6 + 16 * index:6 + 16 * index + 16]
        length, start = struct.unpack_from("<8xII", entry)
        images.append((entry[:12], data[start:start + length]))
    return images
