"""Parses a composed message with Python's email package and prints its parts."""
import email
import zlib
import email.policy
import sys


def main():
    with open(sys.argv[1], 'rb') as f:
        data = f.read()
    # What an SMTP server stores: the transparency dots removed.
    data = b'\r\n'.join(line[1:] if line.startswith(b'.') else line for line in data.split(b'\r\n'))
    msg = email.message_from_bytes(data, policy=email.policy.default)
    out = ['subject=' + str(msg['Subject']), 'from=' + str(msg['From'])]
    defects = len(msg.defects)
    for part in msg.walk():
        defects += len(part.defects)
        ctype = part.get_content_type()
        if part.is_multipart():
            out.append('part ' + ctype)
            continue
        name = part.get_filename() or ''
        if name:
            data = part.get_payload(decode=True)
            out.append('part %s name=%s bytes=%d crc=%08x' % (ctype, name, len(data), zlib.crc32(data)))
        else:
            text = part.get_content().replace('\r\n', '\n').replace('\n', '\r\n')
            out.append('part %s name= text=%s' % (ctype, text))
    out.append('defects=%d' % defects)
    sys.stdout.write('\n'.join(out) + '\n')


main()
