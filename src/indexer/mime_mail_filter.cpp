#include "indexer/mime_mail_filter.h"

namespace {

// Perl, ASCII only. Registered in place of Namazu's mail filter only when
// that filter is the one in use and Perl has the modules it needs;
// otherwise mknmz goes on as without it.
const char kScript[] = R"perl(# Included by mknmz (-I) for tarnwick: text parts in base64 or
# quoted-printable are indexed by their decoded words, read in the charset
# they name; HTML parts by their text. Everything else goes to Namazu's own
# mail filter as before. Rewritten by tarnwick when it changes.
package tarnwickmail;
use strict;

my $usable = eval {
    require Encode;
    require MIME::Base64;
    require MIME::QuotedPrint;
    1;
};

if ($usable && defined $mailnews::{'filter'}) {
    for my $type ('message/rfc822', 'message/news') {
        next unless defined $var::REQUIRE_ACTIONS{$type}
            && $var::REQUIRE_ACTIONS{$type} eq 'mailnews';
        $var::REQUIRE_ACTIONS{$type} = 'tarnwickmail';
    }
    $INC{'tarnwickmail.pl'} = __FILE__;
}

# Namazu has already turned the whole mail into EUC-JP (pre_codeconv),
# which leaves base64 and quoted-printable bodies as they were.
sub filter ($$$$$) {
    my ($orig_cfile, $cont, $weighted_str, $headings, $fields) = @_;
    # A mail too broken to decode is indexed as Namazu would index it.
    my $decoded = eval { decoded_mail($$cont) };
    $$cont = $decoded if defined $decoded;
    return mailnews::filter($orig_cfile, $cont, $weighted_str, $headings, $fields);
}

my $part_boundary = 'tarnwick-decoded-part';

# The mail with its text leaves decoded into one flat multipart/mixed body of
# ISO-2022-JP text parts, which Namazu converts reliably; undef when nothing
# in it is encoded.
sub decoded_mail ($) {
    my ($mail) = @_;
    my ($head, $body) = split_entity($mail);
    return undef unless defined $body;
    my $type = header_field($head, 'content-type');
    my $encoding = lc(header_field($head, 'content-transfer-encoding'));
    return undef unless $type =~ m!^\s*multipart/!i || $encoding =~ /^\s*(base64|quoted-printable)/;
    my @leaves;
    collect_leaves($head, $body, \@leaves, 0);
    return undef unless @leaves;
    my $out = without_mime_fields($head);
    $out .= "Content-Type: multipart/mixed; boundary=\"$part_boundary\"\n\n";
    for my $leaf (@leaves) {
        $out .= "--$part_boundary\n$leaf";
    }
    return $out . "--$part_boundary--\n";
}

sub split_entity ($) {
    my ($entity) = @_;
    my $at = index($entity, "\n\n");
    return ($entity, undef) if $at < 0;
    return (substr($entity, 0, $at + 1), substr($entity, $at + 2));
}

# A field's value with its folded lines joined; empty when absent.
sub header_field ($$) {
    my ($head, $name) = @_;
    return $1 if $head =~ /^\Q$name\E:[ \t]*(.*(?:\n[ \t].*)*)/mi;
    return '';
}

sub parameter ($$) {
    my ($value, $name) = @_;
    return $1 if $value =~ /;\s*\Q$name\E\s*=\s*"([^"]*)"/i;
    return $1 if $value =~ /;\s*\Q$name\E\s*=\s*([^\s;]+)/i;
    return '';
}

sub without_mime_fields ($) {
    my ($head) = @_;
    $head =~ s/^content-(?:type|transfer-encoding):.*\n(?:[ \t].*\n)*//mgi;
    return $head;
}

# Depth-first over the entity: each text leaf decoded, other leaves whole.
sub collect_leaves ($$$$) {
    my ($head, $body, $leaves, $depth) = @_;
    my $type = header_field($head, 'content-type');
    my $mime_type = $type =~ m!^\s*([\w.+-]+/[\w.+-]+)! ? lc($1) : 'text/plain';
    if ($mime_type =~ m!^multipart/! && $depth < 20) {
        my $boundary = parameter($type, 'boundary');
        if ($boundary ne '') {
            for my $part (multipart_parts($body, $boundary)) {
                my ($part_head, $part_body) = split_entity($part);
                ($part_head, $part_body) = ('', $part) unless defined $part_body;
                collect_leaves($part_head, $part_body, $leaves, $depth + 1);
            }
            return;
        }
    }
    if ($mime_type eq 'text/plain' || $mime_type eq 'text/html') {
        my $text = leaf_text($head, $body, $mime_type);
        push @$leaves, "Content-Type: text/plain\n\n$text\n";
    } else {
        push @$leaves, $head . "\n" . $body;
    }
}

sub multipart_parts ($$) {
    my ($body, $boundary) = @_;
    my @parts;
    my $current;
    for my $line (split /\n/, $body, -1) {
        if ($line =~ /^--\Q$boundary\E(--)?[ \t]*$/) {
            push @parts, $current if defined $current;
            return @parts if defined $1;
            $current = '';
        } elsif (defined $current) {
            $current .= "$line\n";
        }
    }
    # A mail cut short still has its last part.
    push @parts, $current if defined $current;
    return @parts;
}

sub leaf_text ($$$) {
    my ($head, $body, $mime_type) = @_;
    my $encoding = lc(header_field($head, 'content-transfer-encoding'));
    my $text;
    if ($encoding =~ /^\s*(base64|quoted-printable)/) {
        my $bytes = $1 eq 'base64' ? MIME::Base64::decode_base64($body)
                                   : MIME::QuotedPrint::decode_qp($body);
        $text = characters($bytes, parameter(header_field($head, 'content-type'), 'charset'));
    } else {
        $text = Encode::decode('euc-jp', $body);
    }
    $text = html_text($text) if $mime_type eq 'text/html';
    return Encode::encode('iso-2022-jp', $text);
}

my %encoding_of = (
    'iso-2022-jp' => 'iso-2022-jp', 'csiso2022jp' => 'iso-2022-jp',
    'shift_jis' => 'cp932', 'shift-jis' => 'cp932', 'sjis' => 'cp932',
    'x-sjis' => 'cp932', 'windows-31j' => 'cp932', 'cp932' => 'cp932',
    'euc-jp' => 'euc-jp', 'x-euc-jp' => 'euc-jp',
    'utf-8' => 'utf-8', 'utf8' => 'utf-8',
    'us-ascii' => 'iso-8859-1', 'iso-8859-1' => 'iso-8859-1', 'latin1' => 'iso-8859-1',
);

# Bytes of a named charset as characters; an unknown one is guessed by
# Namazu's own converter.
sub characters ($$) {
    my ($bytes, $charset) = @_;
    my $encoding = $encoding_of{lc $charset};
    if (defined $encoding) {
        return Encode::decode($encoding, $bytes);
    }
    codeconv::toeuc(\$bytes);
    return Encode::decode('euc-jp', $bytes);
}

my %entity = (amp => '&', lt => '<', gt => '>', quot => '"', apos => "'", nbsp => ' ');

# An unclosed comment, script or tag runs to the end, so that no pattern
# scans the rest of the text again for each of many openings.
sub html_text ($) {
    my ($html) = @_;
    $html =~ s/<!--.*?(?:-->|\z)/ /gs;
    $html =~ s/<(script|style)\b.*?(?:<\/\1\s*>|\z)/ /gis;
    $html =~ s/<[^>]*(?:>|\z)/ /gs;
    $html =~ s/&#(\d{1,7});/entity_character($1)/ge;
    $html =~ s/&#x([0-9a-f]{1,6});/entity_character(hex $1)/gie;
    $html =~ s/&(\w+);/exists $entity{lc $1} ? $entity{lc $1} : " "/ge;
    return $html;
}

sub entity_character ($) {
    my ($code) = @_;
    return $code > 0 && $code <= 0x10FFFF ? chr($code) : ' ';
}

1;
)perl";

} // namespace

const char kMimeMailFilterName[] = "tarnwickmail.pl";

std::string MimeMailFilterScript() {
    return kScript;
}

FilterInstall InstallMimeMailFilter(FileSystem& files, const std::string& path) {
    const std::optional<std::string> present = files.ReadFile(path);
    if (present && *present == kScript)
        return FilterInstall::Unchanged;
    if (!files.ReplaceContent(path, kScript))
        return FilterInstall::Failed;
    return present ? FilterInstall::Replaced : FilterInstall::Created;
}
